// A file of one further notice year, 2027, as a user might write it before a
// release has the year: its rows are made up for the tests, shaped as a
// notice's are (every statutory day of 2027 inside its holiday's span).
#pragma once

namespace quillet::testing {

inline constexpr const char* kFurther2027 =
    "2027\t元旦\trest\t2027-01-01\t2027-01-03\n"
    "2027\t春节\twork\t2027-01-31\t2027-01-31\n"
    "2027\t春节\trest\t2027-02-05\t2027-02-11\n"
    "2027\t清明节\trest\t2027-04-03\t2027-04-05\n"
    "2027\t劳动节\trest\t2027-05-01\t2027-05-05\n"
    "2027\t端午节\trest\t2027-06-09\t2027-06-11\n"
    "2027\t中秋节\trest\t2027-09-15\t2027-09-17\n"
    "2027\t国庆节\trest\t2027-10-01\t2027-10-07\n";

}  // namespace quillet::testing
