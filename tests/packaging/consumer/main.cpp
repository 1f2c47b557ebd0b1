#include <iostream>
#include <quillet/lunar/cn_calendar.h>

int main() {
  const quillet::CnCalendar calendar;
  const quillet::LunarDate date = calendar.GregorianToLunar(2023, 4, 1);
  std::cout << "2023-04-01: lunar year " << date.year
            << (date.isLeapMonth ? ", leap month " : ", month ") << date.month
            << ", day " << date.day << ", " << calendar.ZodiacAnimal(date.year) << '\n';
}
