#pragma once
// Day of the year (1 January is 1) of a date given as day, month and year, in that order.
// Every year divisible by 4 is a leap year; nothing is range-checked.
int JULIAN(int DAY, int MONTH, int YEAR);
