#include "lunar/lunar_names.h"

#include <array>
#include <stdexcept>
#include <string>

namespace quillet::names {
namespace {

constexpr std::array<std::string_view, 10> kStems = {
    "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kBranches = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};

// In the order of the branches.
constexpr std::array<std::string_view, 12> kZodiac = {
    "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
constexpr std::array<std::string_view, 12> kZodiacTraditional = {
    "鼠", "牛", "虎", "兔", "龍", "蛇", "馬", "羊", "猴", "雞", "狗", "豬"};

constexpr std::array<std::string_view, 24> kSolarTerms = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
    "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
    "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
constexpr std::array<std::string_view, 24> kSolarTermsTraditional = {
    "小寒", "大寒", "立春", "雨水", "驚蟄", "春分", "清明", "穀雨",
    "立夏", "小滿", "芒種", "夏至", "小暑", "大暑", "立秋", "處暑",
    "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

// The grid counts the months plainly; a full date names the first, the
// eleventh and the twelfth by their own words.
constexpr std::array<std::string_view, 12> kGridMonths = {
    "一月", "二月", "三月", "四月", "五月",   "六月",
    "七月", "八月", "九月", "十月", "十一月", "十二月"};
constexpr std::array<std::string_view, 12> kFullMonths = {
    "正月", "二月", "三月", "四月", "五月", "六月",
    "七月", "八月", "九月", "十月", "冬月", "腊月"};
constexpr std::array<std::string_view, 12> kFullMonthsTraditional = {
    "正月", "二月", "三月", "四月", "五月", "六月",
    "七月", "八月", "九月", "十月", "冬月", "臘月"};
constexpr std::string_view kLeap = "闰";
constexpr std::string_view kLeapTraditional = "閏";

constexpr std::array<std::string_view, 30> kDays = {
    "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八",
    "初九", "初十", "十一", "十二", "十三", "十四", "十五", "十六",
    "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三", "廿四",
    "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};

// The 72 pentads of 元 吴澄《月令七十二候集解》, which follows the list of
// 《逸周书·时训解》 and 《礼记·月令》 and is the list the calendars print;
// where the older texts differ (小满's third 小暑至, 小雪's second 天腾地降),
// the 集解's words are taken. Three to a term, in the terms' order from 小寒.
// 鵙 (芒种's second), 鴽 (清明's second) and 鴠 (大雪's first) keep their
// traditional forms in the simplified texts too: their simplified forms (䴗
// U+4D17, and two in Unicode's Extension C) are missing from many fonts.
constexpr std::array<std::string_view, 72> kPentads = {
    "雁北乡",   "鹊始巢",           "雉始雊",        // 小寒
    "鸡始乳",   "征鸟厉疾",         "水泽腹坚",      // 大寒
    "东风解冻", "蛰虫始振",         "鱼陟负冰",      // 立春
    "獭祭鱼",   "候雁北",           "草木萌动",      // 雨水
    "桃始华",   "仓庚鸣",           "鹰化为鸠",      // 惊蛰
    "玄鸟至",   "雷乃发声",         "始电",          // 春分
    "桐始华",   "田鼠化为鴽",       "虹始见",        // 清明
    "萍始生",   "鸣鸠拂其羽",       "戴胜降于桑",    // 谷雨
    "蝼蝈鸣",   "蚯蚓出",           "王瓜生",        // 立夏
    "苦菜秀",   "靡草死",           "麦秋至",        // 小满
    "螳螂生",   "鵙始鸣",           "反舌无声",      // 芒种
    "鹿角解",   "蜩始鸣",           "半夏生",        // 夏至
    "温风至",   "蟋蟀居壁",         "鹰始挚",        // 小暑
    "腐草为萤", "土润溽暑",         "大雨时行",      // 大暑
    "凉风至",   "白露降",           "寒蝉鸣",        // 立秋
    "鹰乃祭鸟", "天地始肃",         "禾乃登",        // 处暑
    "鸿雁来",   "玄鸟归",           "群鸟养羞",      // 白露
    "雷始收声", "蛰虫坯户",         "水始涸",        // 秋分
    "鸿雁来宾", "雀入大水为蛤",     "菊有黄华",      // 寒露
    "豺乃祭兽", "草木黄落",         "蛰虫咸俯",      // 霜降
    "水始冰",   "地始冻",           "雉入大水为蜃",  // 立冬
    "虹藏不见", "天气上升地气下降", "闭塞而成冬",    // 小雪
    "鹖鴠不鸣", "虎始交",           "荔挺出",        // 大雪
    "蚯蚓结",   "麋角解",           "水泉动"};       // 冬至
constexpr std::array<std::string_view, 72> kPentadsTraditional = {
    "雁北鄉",           "鵲始巢",     "雉始雊",       "雞始乳",
    "征鳥厲疾",         "水澤腹堅",   "東風解凍",     "蟄蟲始振",
    "魚陟負冰",         "獺祭魚",     "候雁北",       "草木萌動",
    "桃始華",           "倉庚鳴",     "鷹化為鳩",     "玄鳥至",
    "雷乃發聲",         "始電",       "桐始華",       "田鼠化為鴽",
    "虹始見",           "萍始生",     "鳴鳩拂其羽",   "戴勝降于桑",
    "螻蟈鳴",           "蚯蚓出",     "王瓜生",       "苦菜秀",
    "靡草死",           "麥秋至",     "螳螂生",       "鵙始鳴",
    "反舌無聲",         "鹿角解",     "蜩始鳴",       "半夏生",
    "溫風至",           "蟋蟀居壁",   "鷹始摯",       "腐草為螢",
    "土潤溽暑",         "大雨時行",   "涼風至",       "白露降",
    "寒蟬鳴",           "鷹乃祭鳥",   "天地始肅",     "禾乃登",
    "鴻雁來",           "玄鳥歸",     "群鳥養羞",     "雷始收聲",
    "蟄蟲坯戶",         "水始涸",     "鴻雁來賓",     "雀入大水為蛤",
    "菊有黃華",         "豺乃祭獸",   "草木黃落",     "蟄蟲咸俯",
    "水始冰",           "地始凍",     "雉入大水為蜃", "虹藏不見",
    "天氣上升地氣下降", "閉塞而成冬", "鶡鴠不鳴",     "虎始交",
    "荔挺出",           "蚯蚓結",     "麋角解",       "水泉動"};

// The order of 《淮南子·天文训》: "寅为建，卯为除，辰为满，巳为平……子为开，
// 丑为闭" (in the first month, whose branch is 寅).
constexpr std::array<std::string_view, 12> kOfficers = {
    "建", "除", "满", "平", "定", "执", "破", "危", "成", "收", "开", "闭"};
constexpr std::array<std::string_view, 12> kOfficersTraditional = {
    "建", "除", "滿", "平", "定", "執", "破", "危", "成", "收", "開", "閉"};

// The mansions from 角, each with the luminary of its day in the week (木 金
// 土 日 月 火 水 in turn: Thursday, Friday, Saturday, Sunday, Monday,
// Tuesday, Wednesday) and its animal, as the almanacs' 禽星 name them.
constexpr std::array<std::string_view, 28> kMansions = {
    "角", "亢", "氐", "房", "心", "尾", "箕", "斗", "牛", "女",
    "虚", "危", "室", "壁", "奎", "娄", "胃", "昴", "毕", "觜",
    "参", "井", "鬼", "柳", "星", "张", "翼", "轸"};
constexpr std::array<std::string_view, 28> kMansionsTraditional = {
    "角", "亢", "氐", "房", "心", "尾", "箕", "斗", "牛", "女",
    "虛", "危", "室", "壁", "奎", "婁", "胃", "昴", "畢", "觜",
    "參", "井", "鬼", "柳", "星", "張", "翼", "軫"};
constexpr std::array<std::string_view, 28> kMansionsFull = {
    "角木蛟", "亢金龙", "氐土貉", "房日兔", "心月狐", "尾火虎", "箕水豹",
    "斗木獬", "牛金牛", "女土蝠", "虚日鼠", "危月燕", "室火猪", "壁水貐",
    "奎木狼", "娄金狗", "胃土雉", "昴日鸡", "毕月乌", "觜火猴", "参水猿",
    "井木犴", "鬼金羊", "柳土獐", "星日马", "张月鹿", "翼火蛇", "轸水蚓"};
constexpr std::array<std::string_view, 28> kMansionsFullTraditional = {
    "角木蛟", "亢金龍", "氐土貉", "房日兔", "心月狐", "尾火虎", "箕水豹",
    "斗木獬", "牛金牛", "女土蝠", "虛日鼠", "危月燕", "室火豬", "壁水貐",
    "奎木狼", "婁金狗", "胃土雉", "昴日雞", "畢月烏", "觜火猴", "參水猿",
    "井木犴", "鬼金羊", "柳土獐", "星日馬", "張月鹿", "翼火蛇", "軫水蚓"};

// The 纳音 of the 30 pairs of the cycle, from 甲子乙丑, as 《三命通会·论纳音
// 取象》 names them.
constexpr std::array<std::string_view, 30> kNayin = {
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火",
    "涧下水", "城头土", "白蜡金", "杨柳木", "泉中水", "屋上土",
    "霹雳火", "松柏木", "长流水", "沙中金", "山下火", "平地木",
    "壁上土", "金箔金", "覆灯火", "天河水", "大驿土", "钗钏金",
    "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};
constexpr std::array<std::string_view, 30> kNayinTraditional = {
    "海中金", "爐中火", "大林木", "路旁土", "劍鋒金", "山頭火",
    "澗下水", "城頭土", "白蠟金", "楊柳木", "泉中水", "屋上土",
    "霹靂火", "松柏木", "長流水", "沙中金", "山下火", "平地木",
    "壁上土", "金箔金", "覆燈火", "天河水", "大驛土", "釵釧金",
    "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};

// In the order of Direction.
constexpr std::array<std::string_view, 4> kDirections = {"北", "东", "南",
                                                         "西"};
constexpr std::array<std::string_view, 4> kDirectionsTraditional = {"北", "東",
                                                                    "南", "西"};

// 彭祖百忌 as the almanacs (通书) print it, a line to each stem and branch.
// Printings differ in a word here and there (壬不决水 for 壬不汲水, 酉不宴客
// for 酉不会客, 头主生疮 for 头必生疮); the commoner reading is taken.
constexpr std::array<std::string_view, 10> kPengzuStems = {
    "甲不开仓财物耗散", "乙不栽植千株不长", "丙不修灶必见灾殃",
    "丁不剃头头必生疮", "戊不受田田主不祥", "己不破券二比并亡",
    "庚不经络织机虚张", "辛不合酱主人不尝", "壬不汲水更难提防",
    "癸不词讼理弱敌强"};
constexpr std::array<std::string_view, 10> kPengzuStemsTraditional = {
    "甲不開倉財物耗散", "乙不栽植千株不長", "丙不修竈必見災殃",
    "丁不剃頭頭必生瘡", "戊不受田田主不祥", "己不破券二比並亡",
    "庚不經絡織機虛張", "辛不合醬主人不嘗", "壬不汲水更難提防",
    "癸不詞訟理弱敵強"};
constexpr std::array<std::string_view, 12> kPengzuBranches = {
    "子不问卜自惹祸殃", "丑不冠带主不还乡", "寅不祭祀神鬼不尝",
    "卯不穿井水泉不香", "辰不哭泣必主重丧", "巳不远行财物伏藏",
    "午不苫盖屋主更张", "未不服药毒气入肠", "申不安床鬼祟入房",
    "酉不会客醉坐颠狂", "戌不吃犬作怪上床", "亥不嫁娶不利新郎"};
constexpr std::array<std::string_view, 12> kPengzuBranchesTraditional = {
    "子不問卜自惹禍殃", "丑不冠帶主不還鄉", "寅不祭祀神鬼不嘗",
    "卯不穿井水泉不香", "辰不哭泣必主重喪", "巳不遠行財物伏藏",
    "午不苫蓋屋主更張", "未不服藥毒氣入腸", "申不安床鬼祟入房",
    "酉不會客醉坐顛狂", "戌不吃犬作怪上床", "亥不嫁娶不利新郎"};

constexpr std::array<std::string_view, 3> kDogDaysPeriods = {"初伏", "中伏",
                                                             "末伏"};
constexpr std::array<std::string_view, 9> kNines = {
    "一九", "二九", "三九", "四九", "五九", "六九", "七九", "八九", "九九"};

// The element of `table` that a 1-based (or 0-based) argument names; any
// other argument throws, naming the operation.
template <std::size_t N>
std::string_view At(const std::array<std::string_view, N>& table, int value,
                    int first, const char* operation) {
  const int last = first + static_cast<int>(N) - 1;
  if (value < first || value > last) {
    throw std::out_of_range(
        std::string{"names::"} + operation + ": " + std::to_string(value) +
        " is outside " + std::to_string(first) + ".." + std::to_string(last));
  }
  return table[static_cast<std::size_t>(value - first)];
}

bool Traditional(Script script) { return script == Script::kTraditional; }

}  // namespace

std::string_view Stem(int stem) { return At(kStems, stem, 0, "Stem"); }

std::string_view Branch(int branch) {
  return At(kBranches, branch, 0, "Branch");
}

std::string Sexagenary(int index) {
  if (index < 1 || index > 60) {
    throw std::out_of_range("names::Sexagenary: " + std::to_string(index) +
                            " is outside 1..60");
  }
  // The stems and the branches advance together, so position p (0-based)
  // pairs stem p mod 10 with branch p mod 12.
  const auto position = static_cast<std::size_t>(index - 1);
  return std::string{kStems[position % 10]}.append(kBranches[position % 12]);
}

std::string_view Zodiac(int branch, Script script) {
  return At(Traditional(script) ? kZodiacTraditional : kZodiac, branch, 0,
            "Zodiac");
}

std::string_view ZodiacOfCycle(int index, Script script) {
  if (index < 1 || index > 60) {
    throw std::out_of_range("names::ZodiacOfCycle: " + std::to_string(index) +
                            " is outside 1..60");
  }
  return Zodiac((index - 1) % 12, script);
}

std::string_view SolarTermName(int term, Script script) {
  return At(Traditional(script) ? kSolarTermsTraditional : kSolarTerms, term, 0,
            "SolarTermName");
}

std::string LunarMonth(int month, bool isLeap, MonthStyle style,
                       Script script) {
  const auto& table = style == MonthStyle::kGrid ? kGridMonths
                      : Traditional(script)      ? kFullMonthsTraditional
                                                 : kFullMonths;
  const std::string_view name = At(table, month, 1, "LunarMonth");
  std::string text{isLeap ? (Traditional(script) ? kLeapTraditional : kLeap)
                          : std::string_view{}};
  return text.append(name);
}

std::string_view LunarDay(int day) { return At(kDays, day, 1, "LunarDay"); }

std::string LunarMonthDay(const LunarDate& date, Script script) {
  return LunarMonth(date.month, date.isLeapMonth, MonthStyle::kFull, script)
      .append(LunarDay(date.day));
}

std::string_view Pentad(int index, Script script) {
  return At(Traditional(script) ? kPentadsTraditional : kPentads, index, 0,
            "Pentad");
}

std::string_view Officer(int officer, Script script) {
  return At(Traditional(script) ? kOfficersTraditional : kOfficers, officer, 0,
            "Officer");
}

std::string_view Mansion(int mansion, Script script) {
  return At(Traditional(script) ? kMansionsTraditional : kMansions, mansion, 0,
            "Mansion");
}

std::string_view MansionFull(int mansion, Script script) {
  return At(Traditional(script) ? kMansionsFullTraditional : kMansionsFull,
            mansion, 0, "MansionFull");
}

std::string_view Nayin(int index, Script script) {
  if (index < 1 || index > 60) {
    throw std::out_of_range("names::Nayin: " + std::to_string(index) +
                            " is outside 1..60");
  }
  const auto& table = Traditional(script) ? kNayinTraditional : kNayin;
  return table[static_cast<std::size_t>(index - 1) / 2];
}

std::string_view DirectionName(Direction direction, Script script) {
  return At(Traditional(script) ? kDirectionsTraditional : kDirections,
            static_cast<int>(direction), 0, "DirectionName");
}

std::string_view PengzuStem(int stem, Script script) {
  return At(Traditional(script) ? kPengzuStemsTraditional : kPengzuStems, stem,
            0, "PengzuStem");
}

std::string_view PengzuBranch(int branch, Script script) {
  return At(Traditional(script) ? kPengzuBranchesTraditional : kPengzuBranches,
            branch, 0, "PengzuBranch");
}

std::string_view DogDaysPeriodName(int period) {
  return At(kDogDaysPeriods, period, 0, "DogDaysPeriodName");
}

std::string_view NineName(int nine) { return At(kNines, nine, 1, "NineName"); }

}  // namespace quillet::names
