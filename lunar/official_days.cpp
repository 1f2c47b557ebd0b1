#include "lunar/official_days.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <stdexcept>
#include <utility>

#include "lunar/cn_calendar.h"
#include "lunar/date_text.h"
#include "lunar/served_day.h"

namespace quillet {
namespace {

namespace chr = std::chrono;

struct Ymd {
  int year;
  int month;
  int day;
};

struct NoticeRow {
  int noticeYear;
  std::string_view holiday;
  OfficialDayKind kind;
  Ymd first;
  Ymd last;
};

constexpr NoticeRow Rest(int noticeYear, std::string_view holiday, Ymd first,
                         Ymd last) {
  return {noticeYear, holiday, OfficialDayKind::kRest, first, last};
}
constexpr NoticeRow Work(int noticeYear, std::string_view holiday, Ymd day) {
  return {noticeYear, holiday, OfficialDayKind::kWork, day, day};
}

// The arrangements of the notices, transcribed from their texts: per notice
// year, each holiday's span of days off and each make-up workday, in order of
// their days. Where a notice names days rather than a span, the span is
// those days and the weekend days between them ("4月5日放假，4月7日（星期一）
// 补休": 5 to 7 April), and, where the notice joins them to the weekend
// ("9月8日放假，与周末连休"), that weekend too. A Saturday that a notice
// leaves out ("1月1日放假，1月2日（星期一）补休" on a Sunday, 2017) is an
// ordinary weekend day. The weekend days inside a span are its days off too.
// A span or a make-up day may fall in the year before the notice's (元旦 2024
// began on 2023-12-30).
// clang-format off
constexpr NoticeRow kNoticeRows[] = {
    // 国务院办公厅关于2006年部分节假日安排的通知,
    // 国办发明电〔2005〕35号, 2005-12-16.
    Work(2006, "元旦", {2005, 12, 31}),
    Rest(2006, "元旦", {2006, 1, 1}, {2006, 1, 3}),
    Work(2006, "春节", {2006, 1, 28}),
    Rest(2006, "春节", {2006, 1, 29}, {2006, 2, 4}),
    Work(2006, "春节", {2006, 2, 5}),
    Work(2006, "劳动节", {2006, 4, 29}),
    Work(2006, "劳动节", {2006, 4, 30}),
    Rest(2006, "劳动节", {2006, 5, 1}, {2006, 5, 7}),
    Work(2006, "国庆节", {2006, 9, 30}),
    Rest(2006, "国庆节", {2006, 10, 1}, {2006, 10, 7}),
    Work(2006, "国庆节", {2006, 10, 8}),
    // 国务院办公厅关于2007年部分节假日安排的通知,
    // 国办发明电〔2006〕49号, 2006-12-14.
    Work(2007, "元旦", {2006, 12, 30}),
    Work(2007, "元旦", {2006, 12, 31}),
    Rest(2007, "元旦", {2007, 1, 1}, {2007, 1, 3}),
    Work(2007, "春节", {2007, 2, 17}),
    Rest(2007, "春节", {2007, 2, 18}, {2007, 2, 24}),
    Work(2007, "春节", {2007, 2, 25}),
    Work(2007, "劳动节", {2007, 4, 28}),
    Work(2007, "劳动节", {2007, 4, 29}),
    Rest(2007, "劳动节", {2007, 5, 1}, {2007, 5, 7}),
    Work(2007, "国庆节", {2007, 9, 29}),
    Work(2007, "国庆节", {2007, 9, 30}),
    Rest(2007, "国庆节", {2007, 10, 1}, {2007, 10, 7}),
    // 国务院办公厅关于2008年部分节假日安排的通知, published by 2007-12-18 (its
    // number and date not read; its items as 中国新闻网 reported them that day;
    // 国庆节's make-up days as 北京晚报 retold them).
    Work(2008, "元旦", {2007, 12, 29}),
    Rest(2008, "元旦", {2007, 12, 30}, {2008, 1, 1}),
    Work(2008, "春节", {2008, 2, 2}),
    Work(2008, "春节", {2008, 2, 3}),
    Rest(2008, "春节", {2008, 2, 6}, {2008, 2, 12}),
    Rest(2008, "清明节", {2008, 4, 4}, {2008, 4, 6}),
    Rest(2008, "劳动节", {2008, 5, 1}, {2008, 5, 3}),
    Work(2008, "劳动节", {2008, 5, 4}),
    Rest(2008, "端午节", {2008, 6, 7}, {2008, 6, 9}),
    Rest(2008, "中秋节", {2008, 9, 13}, {2008, 9, 15}),
    Work(2008, "国庆节", {2008, 9, 27}),
    Work(2008, "国庆节", {2008, 9, 28}),
    Rest(2008, "国庆节", {2008, 9, 29}, {2008, 10, 5}),
    // 国务院办公厅关于2009年部分节假日安排的通知,
    // 国办发明电〔2008〕42号, published by 2008-12-10 (国庆节's make-up days as
    // the 北京市人民政府办公厅 notice of 2009-09-08 repeats them).
    Rest(2009, "元旦", {2009, 1, 1}, {2009, 1, 3}),
    Work(2009, "元旦", {2009, 1, 4}),
    Work(2009, "春节", {2009, 1, 24}),
    Rest(2009, "春节", {2009, 1, 25}, {2009, 1, 31}),
    Work(2009, "春节", {2009, 2, 1}),
    Rest(2009, "清明节", {2009, 4, 4}, {2009, 4, 6}),
    Rest(2009, "劳动节", {2009, 5, 1}, {2009, 5, 3}),
    Rest(2009, "端午节", {2009, 5, 28}, {2009, 5, 30}),
    Work(2009, "端午节", {2009, 5, 31}),
    Work(2009, "国庆节、中秋节", {2009, 9, 27}),
    Rest(2009, "国庆节、中秋节", {2009, 10, 1}, {2009, 10, 8}),
    Work(2009, "国庆节、中秋节", {2009, 10, 10}),
    // 国务院办公厅关于2010年部分节假日安排的通知,
    // 国办发明电〔2009〕27号, 2009-12-07.
    Rest(2010, "元旦", {2010, 1, 1}, {2010, 1, 3}),
    Rest(2010, "春节", {2010, 2, 13}, {2010, 2, 19}),
    Work(2010, "春节", {2010, 2, 20}),
    Work(2010, "春节", {2010, 2, 21}),
    Rest(2010, "清明节", {2010, 4, 3}, {2010, 4, 5}),
    Rest(2010, "劳动节", {2010, 5, 1}, {2010, 5, 3}),
    Work(2010, "端午节", {2010, 6, 12}),
    Work(2010, "端午节", {2010, 6, 13}),
    Rest(2010, "端午节", {2010, 6, 14}, {2010, 6, 16}),
    Work(2010, "中秋节", {2010, 9, 19}),
    Rest(2010, "中秋节", {2010, 9, 22}, {2010, 9, 24}),
    Work(2010, "中秋节", {2010, 9, 25}),
    Work(2010, "国庆节", {2010, 9, 26}),
    Rest(2010, "国庆节", {2010, 10, 1}, {2010, 10, 7}),
    Work(2010, "国庆节", {2010, 10, 9}),
    // 国务院办公厅关于2011年部分节假日安排的通知,
    // 国办发明电〔2010〕40号, 2010-12-09.
    Rest(2011, "元旦", {2011, 1, 1}, {2011, 1, 3}),
    Work(2011, "春节", {2011, 1, 30}),
    Rest(2011, "春节", {2011, 2, 2}, {2011, 2, 8}),
    Work(2011, "春节", {2011, 2, 12}),
    Work(2011, "清明节", {2011, 4, 2}),
    Rest(2011, "清明节", {2011, 4, 3}, {2011, 4, 5}),
    Rest(2011, "劳动节", {2011, 4, 30}, {2011, 5, 2}),
    Rest(2011, "端午节", {2011, 6, 4}, {2011, 6, 6}),
    Rest(2011, "中秋节", {2011, 9, 10}, {2011, 9, 12}),
    Rest(2011, "国庆节", {2011, 10, 1}, {2011, 10, 7}),
    Work(2011, "国庆节", {2011, 10, 8}),
    Work(2011, "国庆节", {2011, 10, 9}),
    // 国务院办公厅关于2012年部分节假日安排的通知,
    // 国办发明电〔2011〕45号, 2011-12-05.
    Work(2012, "元旦", {2011, 12, 31}),
    Rest(2012, "元旦", {2012, 1, 1}, {2012, 1, 3}),
    Work(2012, "春节", {2012, 1, 21}),
    Rest(2012, "春节", {2012, 1, 22}, {2012, 1, 28}),
    Work(2012, "春节", {2012, 1, 29}),
    Work(2012, "清明节", {2012, 3, 31}),
    Work(2012, "清明节", {2012, 4, 1}),
    Rest(2012, "清明节", {2012, 4, 2}, {2012, 4, 4}),
    Work(2012, "劳动节", {2012, 4, 28}),
    Rest(2012, "劳动节", {2012, 4, 29}, {2012, 5, 1}),
    Rest(2012, "端午节", {2012, 6, 22}, {2012, 6, 24}),
    Work(2012, "中秋节、国庆节", {2012, 9, 29}),
    Rest(2012, "中秋节、国庆节", {2012, 9, 30}, {2012, 10, 7}),
    // 国务院办公厅关于2013年部分节假日安排的通知,
    // 国办发明电〔2012〕33号, 2012-12-08.
    Rest(2013, "元旦", {2013, 1, 1}, {2013, 1, 3}),
    Work(2013, "元旦", {2013, 1, 5}),
    Work(2013, "元旦", {2013, 1, 6}),
    Rest(2013, "春节", {2013, 2, 9}, {2013, 2, 15}),
    Work(2013, "春节", {2013, 2, 16}),
    Work(2013, "春节", {2013, 2, 17}),
    Rest(2013, "清明节", {2013, 4, 4}, {2013, 4, 6}),
    Work(2013, "清明节", {2013, 4, 7}),
    Work(2013, "劳动节", {2013, 4, 27}),
    Work(2013, "劳动节", {2013, 4, 28}),
    Rest(2013, "劳动节", {2013, 4, 29}, {2013, 5, 1}),
    Work(2013, "端午节", {2013, 6, 8}),
    Work(2013, "端午节", {2013, 6, 9}),
    Rest(2013, "端午节", {2013, 6, 10}, {2013, 6, 12}),
    Rest(2013, "中秋节", {2013, 9, 19}, {2013, 9, 21}),
    Work(2013, "中秋节", {2013, 9, 22}),
    Work(2013, "国庆节", {2013, 9, 29}),
    Rest(2013, "国庆节", {2013, 10, 1}, {2013, 10, 7}),
    Work(2013, "国庆节", {2013, 10, 12}),
    // 国务院办公厅关于2014年部分节假日安排的通知,
    // 国办发明电〔2013〕28号, 2013-12-11.
    Rest(2014, "元旦", {2014, 1, 1}, {2014, 1, 1}),
    Work(2014, "春节", {2014, 1, 26}),
    Rest(2014, "春节", {2014, 1, 31}, {2014, 2, 6}),
    Work(2014, "春节", {2014, 2, 8}),
    Rest(2014, "清明节", {2014, 4, 5}, {2014, 4, 7}),
    Rest(2014, "劳动节", {2014, 5, 1}, {2014, 5, 3}),
    Work(2014, "劳动节", {2014, 5, 4}),
    Rest(2014, "端午节", {2014, 5, 31}, {2014, 6, 2}),
    Rest(2014, "中秋节", {2014, 9, 6}, {2014, 9, 8}),
    Work(2014, "国庆节", {2014, 9, 28}),
    Rest(2014, "国庆节", {2014, 10, 1}, {2014, 10, 7}),
    Work(2014, "国庆节", {2014, 10, 11}),
    // 国务院办公厅关于2015年部分节假日安排的通知,
    // 国办发明电〔2014〕28号, 2014-12-16.
    // 国务院关于中国人民抗日战争暨世界反法西斯战争胜利70周年纪念日调休放假的通知,
    // 国发明电〔2015〕1号, 2015-05-13: 3 September a day off of its own.
    Rest(2015, "元旦", {2015, 1, 1}, {2015, 1, 3}),
    Work(2015, "元旦", {2015, 1, 4}),
    Work(2015, "春节", {2015, 2, 15}),
    Rest(2015, "春节", {2015, 2, 18}, {2015, 2, 24}),
    Work(2015, "春节", {2015, 2, 28}),
    Rest(2015, "清明节", {2015, 4, 5}, {2015, 4, 6}),
    Rest(2015, "劳动节", {2015, 5, 1}, {2015, 5, 3}),
    Rest(2015, "端午节", {2015, 6, 20}, {2015, 6, 22}),
    Rest(2015, "抗战胜利纪念日", {2015, 9, 3}, {2015, 9, 5}),
    Work(2015, "抗战胜利纪念日", {2015, 9, 6}),
    Rest(2015, "中秋节", {2015, 9, 27}, {2015, 9, 27}),
    Rest(2015, "国庆节", {2015, 10, 1}, {2015, 10, 7}),
    Work(2015, "国庆节", {2015, 10, 10}),
    // 国务院办公厅关于2016年部分节假日安排的通知,
    // 国办发明电〔2015〕18号, 2015-12-10.
    Rest(2016, "元旦", {2016, 1, 1}, {2016, 1, 3}),
    Work(2016, "春节", {2016, 2, 6}),
    Rest(2016, "春节", {2016, 2, 7}, {2016, 2, 13}),
    Work(2016, "春节", {2016, 2, 14}),
    Rest(2016, "清明节", {2016, 4, 2}, {2016, 4, 4}),
    Rest(2016, "劳动节", {2016, 5, 1}, {2016, 5, 2}),
    Rest(2016, "端午节", {2016, 6, 9}, {2016, 6, 11}),
    Work(2016, "端午节", {2016, 6, 12}),
    Rest(2016, "中秋节", {2016, 9, 15}, {2016, 9, 17}),
    Work(2016, "中秋节", {2016, 9, 18}),
    Rest(2016, "国庆节", {2016, 10, 1}, {2016, 10, 7}),
    Work(2016, "国庆节", {2016, 10, 8}),
    Work(2016, "国庆节", {2016, 10, 9}),
    // 国务院办公厅关于2017年部分节假日安排的通知,
    // 国办发明电〔2016〕17号, 2016-12-01.
    Rest(2017, "元旦", {2017, 1, 1}, {2017, 1, 2}),
    Work(2017, "春节", {2017, 1, 22}),
    Rest(2017, "春节", {2017, 1, 27}, {2017, 2, 2}),
    Work(2017, "春节", {2017, 2, 4}),
    Work(2017, "清明节", {2017, 4, 1}),
    Rest(2017, "清明节", {2017, 4, 2}, {2017, 4, 4}),
    Rest(2017, "劳动节", {2017, 4, 29}, {2017, 5, 1}),
    Work(2017, "端午节", {2017, 5, 27}),
    Rest(2017, "端午节", {2017, 5, 28}, {2017, 5, 30}),
    Work(2017, "中秋节、国庆节", {2017, 9, 30}),
    Rest(2017, "中秋节、国庆节", {2017, 10, 1}, {2017, 10, 8}),
    // 国务院办公厅关于2018年部分节假日安排的通知,
    // 国办发明电〔2017〕12号, 2017-11-30.
    Rest(2018, "元旦", {2017, 12, 30}, {2018, 1, 1}),
    Work(2018, "春节", {2018, 2, 11}),
    Rest(2018, "春节", {2018, 2, 15}, {2018, 2, 21}),
    Work(2018, "春节", {2018, 2, 24}),
    Rest(2018, "清明节", {2018, 4, 5}, {2018, 4, 7}),
    Work(2018, "清明节", {2018, 4, 8}),
    Work(2018, "劳动节", {2018, 4, 28}),
    Rest(2018, "劳动节", {2018, 4, 29}, {2018, 5, 1}),
    Rest(2018, "端午节", {2018, 6, 16}, {2018, 6, 18}),
    Rest(2018, "中秋节", {2018, 9, 22}, {2018, 9, 24}),
    Work(2018, "国庆节", {2018, 9, 29}),
    Work(2018, "国庆节", {2018, 9, 30}),
    Rest(2018, "国庆节", {2018, 10, 1}, {2018, 10, 7}),
    // 国务院办公厅关于2019年部分节假日安排的通知,
    // 国办发明电〔2018〕15号, 2018-12-04.
    // 国务院办公厅关于调整2019年劳动节假期安排的通知, 国办发明电〔2019〕3号,
    // 2019-03-22, replaced 劳动节 (1 May alone, no make-up day) by the rows below.
    Work(2019, "元旦", {2018, 12, 29}),
    Rest(2019, "元旦", {2018, 12, 30}, {2019, 1, 1}),
    Work(2019, "春节", {2019, 2, 2}),
    Work(2019, "春节", {2019, 2, 3}),
    Rest(2019, "春节", {2019, 2, 4}, {2019, 2, 10}),
    Rest(2019, "清明节", {2019, 4, 5}, {2019, 4, 7}),
    Work(2019, "劳动节", {2019, 4, 28}),
    Rest(2019, "劳动节", {2019, 5, 1}, {2019, 5, 4}),
    Work(2019, "劳动节", {2019, 5, 5}),
    Rest(2019, "端午节", {2019, 6, 7}, {2019, 6, 9}),
    Rest(2019, "中秋节", {2019, 9, 13}, {2019, 9, 15}),
    Work(2019, "国庆节", {2019, 9, 29}),
    Rest(2019, "国庆节", {2019, 10, 1}, {2019, 10, 7}),
    Work(2019, "国庆节", {2019, 10, 12}),
    // 国务院办公厅关于2020年部分节假日安排的通知,
    // 国办发明电〔2019〕16号, 2019-11-21.
    // 国务院办公厅关于延长2020年春节假期的通知, 国办发明电〔2020〕1号,
    // 2020-01-26, extended 春节 to 2 February, so that 1 February, a
    // make-up workday of the first notice, was a day off.
    Rest(2020, "元旦", {2020, 1, 1}, {2020, 1, 1}),
    Work(2020, "春节", {2020, 1, 19}),
    Rest(2020, "春节", {2020, 1, 24}, {2020, 2, 2}),
    Rest(2020, "清明节", {2020, 4, 4}, {2020, 4, 6}),
    Work(2020, "劳动节", {2020, 4, 26}),
    Rest(2020, "劳动节", {2020, 5, 1}, {2020, 5, 5}),
    Work(2020, "劳动节", {2020, 5, 9}),
    Rest(2020, "端午节", {2020, 6, 25}, {2020, 6, 27}),
    Work(2020, "端午节", {2020, 6, 28}),
    Work(2020, "国庆节、中秋节", {2020, 9, 27}),
    Rest(2020, "国庆节、中秋节", {2020, 10, 1}, {2020, 10, 8}),
    Work(2020, "国庆节、中秋节", {2020, 10, 10}),
    // 国务院办公厅关于2021年部分节假日安排的通知,
    // 国办发明电〔2020〕27号, 2020-11-25.
    Rest(2021, "元旦", {2021, 1, 1}, {2021, 1, 3}),
    Work(2021, "春节", {2021, 2, 7}),
    Rest(2021, "春节", {2021, 2, 11}, {2021, 2, 17}),
    Work(2021, "春节", {2021, 2, 20}),
    Rest(2021, "清明节", {2021, 4, 3}, {2021, 4, 5}),
    Work(2021, "劳动节", {2021, 4, 25}),
    Rest(2021, "劳动节", {2021, 5, 1}, {2021, 5, 5}),
    Work(2021, "劳动节", {2021, 5, 8}),
    Rest(2021, "端午节", {2021, 6, 12}, {2021, 6, 14}),
    Work(2021, "中秋节", {2021, 9, 18}),
    Rest(2021, "中秋节", {2021, 9, 19}, {2021, 9, 21}),
    Work(2021, "国庆节", {2021, 9, 26}),
    Rest(2021, "国庆节", {2021, 10, 1}, {2021, 10, 7}),
    Work(2021, "国庆节", {2021, 10, 9}),
    // 国务院办公厅关于2022年部分节假日安排的通知,
    // 国办发明电〔2021〕11号, 2021-10-25.
    Rest(2022, "元旦", {2022, 1, 1}, {2022, 1, 3}),
    Work(2022, "春节", {2022, 1, 29}),
    Work(2022, "春节", {2022, 1, 30}),
    Rest(2022, "春节", {2022, 1, 31}, {2022, 2, 6}),
    Work(2022, "清明节", {2022, 4, 2}),
    Rest(2022, "清明节", {2022, 4, 3}, {2022, 4, 5}),
    Work(2022, "劳动节", {2022, 4, 24}),
    Rest(2022, "劳动节", {2022, 4, 30}, {2022, 5, 4}),
    Work(2022, "劳动节", {2022, 5, 7}),
    Rest(2022, "端午节", {2022, 6, 3}, {2022, 6, 5}),
    Rest(2022, "中秋节", {2022, 9, 10}, {2022, 9, 12}),
    Rest(2022, "国庆节", {2022, 10, 1}, {2022, 10, 7}),
    Work(2022, "国庆节", {2022, 10, 8}),
    Work(2022, "国庆节", {2022, 10, 9}),
    // 国务院办公厅关于2023年部分节假日安排的通知,
    // 国办发明电〔2022〕16号, 2022-12-08.
    Rest(2023, "元旦", {2022, 12, 31}, {2023, 1, 2}),
    Rest(2023, "春节", {2023, 1, 21}, {2023, 1, 27}),
    Work(2023, "春节", {2023, 1, 28}),
    Work(2023, "春节", {2023, 1, 29}),
    Rest(2023, "清明节", {2023, 4, 5}, {2023, 4, 5}),
    Work(2023, "劳动节", {2023, 4, 23}),
    Rest(2023, "劳动节", {2023, 4, 29}, {2023, 5, 3}),
    Work(2023, "劳动节", {2023, 5, 6}),
    Rest(2023, "端午节", {2023, 6, 22}, {2023, 6, 24}),
    Work(2023, "端午节", {2023, 6, 25}),
    Rest(2023, "中秋节、国庆节", {2023, 9, 29}, {2023, 10, 6}),
    Work(2023, "中秋节、国庆节", {2023, 10, 7}),
    Work(2023, "中秋节、国庆节", {2023, 10, 8}),
    // 国务院办公厅关于2024年部分节假日安排的通知,
    // 国办发明电〔2023〕7号, 2023-10-25.
    Rest(2024, "元旦", {2023, 12, 30}, {2024, 1, 1}),
    Work(2024, "春节", {2024, 2, 4}),
    Rest(2024, "春节", {2024, 2, 10}, {2024, 2, 17}),
    Work(2024, "春节", {2024, 2, 18}),
    Rest(2024, "清明节", {2024, 4, 4}, {2024, 4, 6}),
    Work(2024, "清明节", {2024, 4, 7}),
    Work(2024, "劳动节", {2024, 4, 28}),
    Rest(2024, "劳动节", {2024, 5, 1}, {2024, 5, 5}),
    Work(2024, "劳动节", {2024, 5, 11}),
    Rest(2024, "端午节", {2024, 6, 8}, {2024, 6, 10}),
    Work(2024, "中秋节", {2024, 9, 14}),
    Rest(2024, "中秋节", {2024, 9, 15}, {2024, 9, 17}),
    Work(2024, "国庆节", {2024, 9, 29}),
    Rest(2024, "国庆节", {2024, 10, 1}, {2024, 10, 7}),
    Work(2024, "国庆节", {2024, 10, 12}),
    // 国务院办公厅关于2025年部分节假日安排的通知,
    // 国办发明电〔2024〕12号, 2024-11-12.
    Rest(2025, "元旦", {2025, 1, 1}, {2025, 1, 1}),
    Work(2025, "春节", {2025, 1, 26}),
    Rest(2025, "春节", {2025, 1, 28}, {2025, 2, 4}),
    Work(2025, "春节", {2025, 2, 8}),
    Rest(2025, "清明节", {2025, 4, 4}, {2025, 4, 6}),
    Work(2025, "劳动节", {2025, 4, 27}),
    Rest(2025, "劳动节", {2025, 5, 1}, {2025, 5, 5}),
    Rest(2025, "端午节", {2025, 5, 31}, {2025, 6, 2}),
    Work(2025, "国庆节、中秋节", {2025, 9, 28}),
    Rest(2025, "国庆节、中秋节", {2025, 10, 1}, {2025, 10, 8}),
    Work(2025, "国庆节、中秋节", {2025, 10, 11}),
    // 国务院办公厅关于2026年部分节假日安排的通知, 2025-11-04 (as 新华社
    // published it, without its number).
    Rest(2026, "元旦", {2026, 1, 1}, {2026, 1, 3}),
    Work(2026, "元旦", {2026, 1, 4}),
    Work(2026, "春节", {2026, 2, 14}),
    Rest(2026, "春节", {2026, 2, 15}, {2026, 2, 23}),
    Work(2026, "春节", {2026, 2, 28}),
    Rest(2026, "清明节", {2026, 4, 4}, {2026, 4, 6}),
    Rest(2026, "劳动节", {2026, 5, 1}, {2026, 5, 5}),
    Work(2026, "劳动节", {2026, 5, 9}),
    Rest(2026, "端午节", {2026, 6, 19}, {2026, 6, 21}),
    Work(2026, "国庆节", {2026, 9, 20}),
    Rest(2026, "中秋节", {2026, 9, 25}, {2026, 9, 27}),
    Rest(2026, "国庆节", {2026, 10, 1}, {2026, 10, 7}),
    Work(2026, "国庆节", {2026, 10, 10}),
};
// clang-format on

// A day off that a notice of its own made statutory for one year: 3 September
// 2015, the 70th anniversary of the victory in the War of Resistance, "全国放假
// 1天" by the State Council (the days after it were moved weekend days).
constexpr Ymd kProclaimedDaysOff[] = {{2015, 9, 3}};

constexpr chr::sys_days Day(Ymd date) {
  return chr::sys_days{chr::year{date.year} /
                       chr::month{static_cast<unsigned>(date.month)} /
                       chr::day{static_cast<unsigned>(date.day)}};
}

// The national rules on holidays (全国年节及纪念日放假办法) as they stood from
// a year on: how many days of 春节 are statutory before 初一 (除夕) and from
// it, how many days of May from the 1st, and whether 清明节, 端午节 and 中秋节
// are holidays (since 2008). 元旦 (1 January) and 国庆节 (1 to 3 October) hold
// throughout.
struct Regime {
  int fromYear;
  int springEveDays;
  int springDays;
  int mayDays;
  bool traditionalFestivals;
};
constexpr Regime kRegimes[] = {
    {1999, 0, 3, 3, false},  // 国务院令第270号, 1999-09-18
    {2008, 1, 2, 1, true},   // 国务院令第513号, 2007-12-14
    {2014, 0, 3, 1, true},   // 国务院令第644号, 2013-12-11
    {2025, 1, 3, 2, true},   // 国务院令第795号, 2024-11-10
};

const Regime& RegimeOf(int year) {
  const Regime* regime = &kRegimes[0];
  for (const Regime& r : kRegimes) {
    if (r.fromYear <= year) regime = &r;
  }
  return *regime;
}

// 清明 is the 7th of the year's solar terms, 小寒 first.
constexpr std::size_t kQingming = 6;

constexpr chr::sys_days kFirstDay{kFirstServedDay};
constexpr chr::sys_days kLastDay{kLastServedDay};

chr::sys_days CheckServed(const char* operation, chr::sys_days day) {
  if (day < kFirstDay || day > kLastDay) {
    throw std::out_of_range(std::string{operation} + ": date " +
                            DateText(chr::year_month_day{day}) +
                            " is outside " + DateText(kFirstServedDay) + ".." +
                            DateText(kLastServedDay));
  }
  return day;
}

chr::sys_days FirstOfYear(int year) {
  return chr::sys_days{chr::year{year} / chr::January / 1};
}
chr::sys_days LastOfYear(int year) {
  return chr::sys_days{chr::year{year} / chr::December / 31};
}

bool IsWeekend(chr::sys_days day) {
  const chr::weekday weekday{day};
  return weekday == chr::Saturday || weekday == chr::Sunday;
}

}  // namespace

std::vector<StatutoryDay> StatutoryDaysOf(int year) {
  if (year < kFirstNoticeYear || year > kLastGregorianYear) {
    throw std::out_of_range("StatutoryDaysOf: year " + std::to_string(year) +
                            " is outside " + std::to_string(kFirstNoticeYear) +
                            ".." + std::to_string(kLastGregorianYear));
  }
  const Regime& rules = RegimeOf(year);
  const CnCalendar calendar;
  std::vector<StatutoryDay> days;
  const auto add = [&](chr::sys_days first, int count, const char* holiday) {
    for (int i = 0; i < count; ++i) {
      days.push_back({first + chr::days{i}, holiday});
    }
  };
  add(FirstOfYear(year), 1, "元旦");
  // The lunar year that begins in a Gregorian year has its 除夕 there too.
  const chr::sys_days newYear{calendar.LunarToGregorian(year, 1, 1, false)};
  add(newYear - chr::days{rules.springEveDays},
      rules.springEveDays + rules.springDays, "春节");
  if (rules.traditionalFestivals) {
    const chr::sys_seconds qingming =
        calendar.SolarTerms(year)[kQingming].instant;
    add(chr::floor<chr::days>(qingming + kChinaStandardTimeOffset), 1,
        "清明节");
  }
  add(chr::sys_days{chr::year{year} / chr::May / 1}, rules.mayDays, "劳动节");
  if (rules.traditionalFestivals) {
    add(chr::sys_days{calendar.LunarToGregorian(year, 5, 5, false)}, 1,
        "端午节");
    add(chr::sys_days{calendar.LunarToGregorian(year, 8, 15, false)}, 1,
        "中秋节");
  }
  add(chr::sys_days{chr::year{year} / chr::October / 1}, 3, "国庆节");
  // 中秋节 may fall on 1 to 3 October: one day of two holidays.
  std::stable_sort(days.begin(), days.end(),
                   [](const StatutoryDay& a, const StatutoryDay& b) {
                     return a.day < b.day;
                   });
  std::vector<StatutoryDay> merged;
  for (StatutoryDay& day : days) {
    if (!merged.empty() && merged.back().day == day.day) {
      merged.back().holiday += "、" + day.holiday;
    } else {
      merged.push_back(std::move(day));
    }
  }
  return merged;
}

namespace {

// Whether a row's days off include a statutory day: the rules' days of the
// day's year, and the days proclaimed on their own.
class StatutoryIndex {
 public:
  const StatutoryDay* Find(chr::sys_days day) {
    const int year = static_cast<int>(chr::year_month_day{day}.year());
    if (year < kFirstNoticeYear || year > kLastGregorianYear) return nullptr;
    auto [it, inserted] = years_.try_emplace(year);
    if (inserted) it->second = StatutoryDaysOf(year);
    for (const StatutoryDay& statutory : it->second) {
      if (statutory.day == day) return &statutory;
    }
    return nullptr;
  }

 private:
  std::map<int, std::vector<StatutoryDay>> years_;
};

bool Proclaimed(chr::sys_days day) {
  return std::ranges::any_of(kProclaimedDaysOff,
                             [&](Ymd date) { return Day(date) == day; });
}

}  // namespace

const OfficialDays& OfficialDays::BuiltIn() {
  static const OfficialDays table = [] {
    OfficialDays built;
    for (const NoticeRow& row : kNoticeRows) {
      built.rows_.push_back({row.noticeYear, std::string{row.holiday}, row.kind,
                             Day(row.first), Day(row.last)});
    }
    built.Index();
    return built;
  }();
  return table;
}

void OfficialDays::Index() {
  indexStart_ = FirstOfYear(kFirstNoticeYear);
  for (const OfficialSpan& row : rows_) {
    indexStart_ = std::min(indexStart_, row.first);
  }
  coveredFirst_ = FirstOfYear(kFirstNoticeYear);
  coveredLast_ = LastOfYear(lastYear_);
  entries_.clear();
  entryOfDay_.assign(
      static_cast<std::size_t>((kLastDay - indexStart_).count()) + 1, 0);
  const auto put = [&](chr::sys_days day, OfficialDay answer, int row) {
    entries_.push_back({std::move(answer), row});
    entryOfDay_[static_cast<std::size_t>((day - indexStart_).count())] =
        static_cast<std::uint16_t>(entries_.size());
  };
  StatutoryIndex statutory;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const OfficialSpan& row = rows_[i];
    for (chr::sys_days day = row.first; day <= row.last; ++day) {
      const bool rest = row.kind == OfficialDayKind::kRest;
      put(day,
          {row.kind, row.holiday,
           rest && (statutory.Find(day) != nullptr || Proclaimed(day)),
           OfficialDaySource::kNotice},
          static_cast<int>(i));
    }
  }
  // After the notices, the statutory days alone.
  for (int year = lastYear_ + 1; year <= kLastGregorianYear; ++year) {
    for (StatutoryDay& day : StatutoryDaysOf(year)) {
      put(day.day,
          {OfficialDayKind::kRest, std::move(day.holiday), true,
           OfficialDaySource::kRules},
          -1);
    }
  }
}

const OfficialDays::Entry* OfficialDays::EntryOn(chr::sys_days day) const {
  if (day < indexStart_) return nullptr;
  const std::uint16_t entry =
      entryOfDay_[static_cast<std::size_t>((day - indexStart_).count())];
  return entry == 0 ? nullptr : &entries_[entry - 1];
}

std::optional<OfficialDay> OfficialDays::Answer(chr::sys_days day) const {
  const Entry* entry = EntryOn(day);
  if (entry == nullptr) return std::nullopt;
  return entry->day;
}

std::optional<OfficialDay> OfficialDays::On(chr::sys_days day) const {
  return Answer(CheckServed("OfficialDayOn", day));
}

std::optional<bool> OfficialDays::IsWorkday(chr::sys_days day) const {
  return WorkdayAnswer(CheckServed("IsWorkday", day));
}

std::optional<bool> OfficialDays::WorkdayAnswer(chr::sys_days day) const {
  const Entry* entry = EntryOn(day);
  if (entry != nullptr) return entry->day.kind == OfficialDayKind::kWork;
  if (day < coveredFirst_ || day > coveredLast_) return std::nullopt;
  return !IsWeekend(day);
}

const OfficialSpan* OfficialDays::RowOn(chr::sys_days day) const {
  const Entry* entry = EntryOn(CheckServed("OfficialDays::RowOn", day));
  if (entry == nullptr || entry->row < 0) return nullptr;
  return &rows_[static_cast<std::size_t>(entry->row)];
}

std::optional<OfficialDay> OfficialDayOn(int year, int month, int day) {
  return OfficialDays::BuiltIn().Answer(
      lunar_detail::ServedDay("OfficialDayOn", year, month, day));
}

std::optional<bool> IsWorkday(int year, int month, int day) {
  return OfficialDays::BuiltIn().WorkdayAnswer(
      lunar_detail::ServedDay("IsWorkday", year, month, day));
}

namespace {

// A field as a message shows it: control bytes as '?', cut after 40 bytes
// at a character's start.
std::string Shown(std::string_view field) {
  std::size_t end = std::min<std::size_t>(field.size(), 40);
  while (end < field.size() && end > 0 &&
         (static_cast<unsigned char>(field[end]) & 0xC0) == 0x80) {
    --end;
  }
  std::string shown{"'"};
  for (const char c : field.substr(0, end)) {
    const auto byte = static_cast<unsigned char>(c);
    shown += byte < 0x20 || byte == 0x7F ? '?' : c;
  }
  return shown + (end < field.size() ? "…'" : "'");
}

// Well-formed UTF-8 without control characters: a holiday's name.
bool IsName(std::string_view text) {
  if (text.empty() || text.size() > 64) return false;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t least = 0;  // the smallest code point of this length
    if (lead < 0x80) {
      if (lead < 0x20 || lead == 0x7F) return false;
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4, least = 0x10000;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    char32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = code << 6 | (next & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      return false;
    }
    i += length;
  }
  return true;
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

struct Refusal {
  OfficialDaysFault fault;
};

[[noreturn]] void Refuse(int line, std::string message) {
  throw Refusal{{line, std::move(message)}};
}

constexpr int kLongestSpan = 31;  // days; the longest so far had 10

// One row of the file, checked on its own.
OfficialSpan ReadRow(std::string_view text, int line) {
  std::array<std::string_view, 5> fields;
  std::size_t count = 0;
  for (std::size_t start = 0;;) {
    const std::size_t tab = text.find('\t', start);
    if (count < fields.size()) {
      fields[count] = Trimmed(text.substr(start, tab - start));
    }
    ++count;
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  if (count != fields.size()) {
    Refuse(line,
           "expected 5 fields separated by tabs (notice year, holiday, "
           "rest or work, first day, last day), found " +
               std::to_string(count));
  }
  int year = 0;
  const auto [end, error] = std::from_chars(
      fields[0].data(), fields[0].data() + fields[0].size(), year);
  if (fields[0].size() != 4 || error != std::errc{} ||
      end != fields[0].data() + fields[0].size()) {
    Refuse(line, "bad notice year " + Shown(fields[0]));
  }
  if (year <= kLastNoticeYear || year > kLastGregorianYear) {
    Refuse(line, "notice year " + std::to_string(year) +
                     (year <= kLastNoticeYear
                          ? " is in Quillet's own data, which holds " +
                                std::to_string(kFirstNoticeYear) + ".." +
                                std::to_string(kLastNoticeYear)
                          : " is after " + std::to_string(kLastGregorianYear)) +
                     "; the file may only add the years " +
                     std::to_string(kLastNoticeYear + 1) + ".." +
                     std::to_string(kLastGregorianYear));
  }
  if (!IsName(fields[1])) Refuse(line, "bad holiday " + Shown(fields[1]));
  OfficialDayKind kind{};
  if (fields[2] == "rest") {
    kind = OfficialDayKind::kRest;
  } else if (fields[2] == "work") {
    kind = OfficialDayKind::kWork;
  } else {
    Refuse(line, "kind " + Shown(fields[2]) + " is neither rest nor work");
  }
  std::array<chr::sys_days, 2> days;
  for (std::size_t i = 0; i < days.size(); ++i) {
    const auto date = ParseDateText(fields[3 + i]);
    if (!date || !date->ok()) {
      Refuse(line, std::string{i == 0 ? "first" : "last"} + " day " +
                       Shown(fields[3 + i]) + " is not a date YYYY-MM-DD");
    }
    days[i] = chr::sys_days{*date};
  }
  const auto [first, last] = days;
  // A notice arranges its own year, and may begin in the December before.
  const chr::sys_days earliest{chr::year{year - 1} / chr::December / 1};
  if (first < earliest || last > LastOfYear(year) || first > last) {
    Refuse(line, "the days " + Shown(fields[3]) + ".." + Shown(fields[4]) +
                     " are not a span within " + DateText(earliest) + ".." +
                     DateText(chr::year_month_day{LastOfYear(year)}));
  }
  if ((last - first).count() >= kLongestSpan) {
    Refuse(line,
           "a span of more than " + std::to_string(kLongestSpan) + " days");
  }
  if (kind == OfficialDayKind::kWork) {
    for (chr::sys_days day = first; day <= last; ++day) {
      if (!IsWeekend(day)) {
        Refuse(line, "make-up workday " + DateText(chr::year_month_day{day}) +
                         " is not a Saturday or Sunday");
      }
    }
  }
  return {year, std::string{fields[1]}, kind, first, last};
}

// Whether a span's holiday names every holiday of a statutory day ("中秋节、
// 国庆节" names 中秋节).
bool Names(std::string_view holiday, std::string_view statutory) {
  for (std::size_t start = 0;;) {
    const std::size_t comma = statutory.find("、", start);
    if (holiday.find(statutory.substr(start, comma - start)) ==
        std::string_view::npos) {
      return false;
    }
    if (comma == std::string_view::npos) return true;
    start = comma + std::string_view{"、"}.size();
  }
}

}  // namespace

std::variant<OfficialDays, OfficialDaysFault> OfficialDays::WithFurtherYears(
    std::string_view text) {
  OfficialDays table = BuiltIn();
  try {
    // The line each row was read from, and of each year's first row.
    std::vector<int> lineOfRow(table.rows_.size(), 0);
    std::map<int, int> firstLineOfYear;
    int line = 0;
    for (std::size_t start = 0; start <= text.size();) {
      std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      std::string_view row = text.substr(start, end - start);
      start = end + 1;
      ++line;
      if (!row.empty() && row.back() == '\r') row.remove_suffix(1);
      if (Trimmed(row).empty() || row.front() == '#') continue;
      OfficialSpan span = ReadRow(row, line);
      const bool inOrder = firstLineOfYear.empty()
                               ? span.noticeYear == kLastNoticeYear + 1
                               : span.noticeYear == table.lastYear_ ||
                                     span.noticeYear == table.lastYear_ + 1;
      if (!inOrder) {
        Refuse(line, "notice year " + std::to_string(span.noticeYear) +
                         " out of order: the years must follow " +
                         std::to_string(kLastNoticeYear) +
                         " in order, without a gap");
      }
      if (span.noticeYear != table.lastYear_) {
        table.lastYear_ = span.noticeYear;
        firstLineOfYear[span.noticeYear] = line;
      }
      table.rows_.push_back(std::move(span));
      lineOfRow.push_back(line);
    }
    // No two rows share a day.
    std::map<chr::sys_days, std::size_t> rowOfDay;
    for (std::size_t i = 0; i < table.rows_.size(); ++i) {
      for (chr::sys_days day = table.rows_[i].first; day <= table.rows_[i].last;
           ++day) {
        const auto [other, added] = rowOfDay.try_emplace(day, i);
        if (!added && i >= BuiltIn().rows_.size()) {
          const int otherLine = lineOfRow[other->second];
          Refuse(lineOfRow[i],
                 DateText(chr::year_month_day{day}) + " is already " +
                     (otherLine == 0 ? std::string{"in Quillet's own data"}
                                     : "in line " + std::to_string(otherLine)));
        }
      }
    }
    // Every statutory day of a new year lies in a span of its holiday.
    for (const auto& [year, firstLine] : firstLineOfYear) {
      for (const StatutoryDay& statutory : StatutoryDaysOf(year)) {
        const auto found = rowOfDay.find(statutory.day);
        const OfficialSpan* span =
            found == rowOfDay.end() ? nullptr : &table.rows_[found->second];
        if (span == nullptr || span->kind != OfficialDayKind::kRest ||
            !Names(span->holiday, statutory.holiday)) {
          Refuse(firstLine,
                 "the statutory day " +
                     DateText(chr::year_month_day{statutory.day}) + " (" +
                     statutory.holiday + ") of " + std::to_string(year) +
                     " is in no span of days off of " + statutory.holiday);
        }
      }
    }
  } catch (const Refusal& refusal) {
    return refusal.fault;
  }
  table.Index();
  return table;
}

}  // namespace quillet
