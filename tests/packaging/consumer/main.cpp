#include <quillet/lunar/cn_calendar.h>
#include <quillet/lunar/lunar_names.h>
#include <iostream>

int main() {
  const quillet::CnCalendar calendar;
  const quillet::LunarDate date = calendar.GregorianToLunar(2023, 4, 1);
  std::cout << "2023-04-01: lunar year " << date.year
            << (date.isLeapMonth ? ", leap month " : ", month ") << date.month
            << ", day " << date.day << ", " << calendar.ZodiacAnimal(date.year)
            << ", " << quillet::names::LunarMonthDay(date) << ", "
            << quillet::names::Sexagenary(calendar.SexagenaryDay(2023, 4, 1))
            << "日\n";
}
