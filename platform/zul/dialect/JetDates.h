#pragma once
// Day numbers as the database stores dates: days since 30/12/1899, the time of day as
// the fraction. Before the base day the fraction still counts forwards from midnight
// (-1.25 is 29/12/1899 06:00), as Jet does.

#include <QStringView>

namespace JetDates {

struct Parts {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0, msec = 0;
};

// Days of the proleptic Gregorian calendar relative to 30/12/1899.
long long DaysFromCivil(int year, int month, int day);
void CivilFromDays(long long days, int& year, int& month, int& day);
bool IsValidDate(int year, int month, int day);

double Encode(const Parts& p);
double EncodeTime(int hour, int minute, int second, int msec = 0);  // the fraction alone
// False when the value is out of the range of dates (years 100..9999) or not finite.
bool Decode(double value, Parts& p);

// Local wall clock.
double Now();
double Today();

// #literal# text in Jet's order: m/d/y, y-m-d or y/m/d, with an optional time
// "h:n[:s] [AM|PM]", or a time alone. Two-digit years: 00-29 are 20xx, 30-99 19xx.
bool ParseLiteral(QStringView text, double& value);
// A date typed by a person in Spain (CDate, DateValue): d/m/y (also '-' or '.'),
// y-m-d, with an optional time, or a time alone.
bool ParseLocal(QStringView text, double& value);

}  // namespace JetDates
