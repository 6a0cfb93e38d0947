#pragma once
// Conversions shared by the jet_ SQL functions: SQLite values to numbers and texts as
// Jet converts them, decimal rounding, and result helpers.

#include <QByteArray>
#include <QString>

struct sqlite3;
struct sqlite3_context;
struct sqlite3_value;

namespace JetValues {

// Error texts of the functions (Jet's run-time errors).
inline constexpr const char* kTypeMismatch = "No coinciden los tipos de datos en la expresión.";
inline constexpr const char* kDivisionByZero = "División por cero.";
inline constexpr const char* kOverflow = "Desbordamiento.";
inline constexpr const char* kInvalidCall = "Llamada a procedimiento o argumento no válidos.";

// A number written as text: blanks around, a sign, digits with a decimal separator,
// an exponent. Spanish texts use ',' for decimals and may group thousands with '.';
// a text without ',' takes '.' as the decimal point ("1.5" and "1,5" are both 1.5).
bool ParseNumber(const char* s, int n, double& value);
// The value as a number: integers and reals as they are, numeric texts converted.
// False for null, blobs and texts that are not numbers.
bool ToNumber(sqlite3_value* v, double& value);
bool IsInteger(sqlite3_value* v);  // stored as INTEGER

// A number as CStr writes it in Spain: up to 15 significant digits, ',' for decimals.
QString NumberText(double value);
// The value as text: texts as they are, numbers by NumberText, null as "".
QString TextOf(sqlite3_value* v);

// UTF-8 bytes of an argument: a text argument is read in place; numbers are converted
// as TextOf does.
class Utf8 {
public:
  explicit Utf8(sqlite3_value* v);
  const char* data() const { return m_data; }
  int size() const { return m_size; }
  bool isAscii() const;

private:
  QByteArray m_buf;
  const char* m_data = "";
  int m_size = 0;
};

// A decimal of up to 17 significant digits: 0.d1d2d3... x 10^exp. Built from a double
// with 15 significant digits, the precision Jet shows, so that 2.675 rounds as the 2.675
// that a person reads and not as its binary neighbour 2.67499999...
struct Decimal {
  bool negative = false;
  char digits[20] = {};  // ASCII digits, no leading zeros; empty for zero
  int count = 0;
  int exp = 0;

  static Decimal FromDouble(double value);
  // Rounds to the given number of decimals (may be negative): halves to even (Round,
  // CInt, CCur) or away from zero (Format).
  void RoundTo(int decimals, bool halfEven);
  double ToDouble() const;
  bool IsZero() const { return count == 0; }
  // Digits left of the decimal point ("0" when none) and the first `decimals` digits after it.
  QString IntegerDigits() const;
  QString FractionDigits(int decimals) const;
};

double RoundHalfEven(double value, int decimals);

// Results.
void ResultText(sqlite3_context* ctx, const QString& text);
// A whole value within 2^53 as an INTEGER, anything else as a REAL.
void ResultNumber(sqlite3_context* ctx, double value);
void ResultError(sqlite3_context* ctx, const char* message);

// Registers a scalar function for each argument count from minArgs to maxArgs, so that
// a wrong count fails when the statement is prepared.
using SqlFunction = void (*)(sqlite3_context*, int, sqlite3_value**);
int Define(sqlite3* db, const char* name, int minArgs, int maxArgs, SqlFunction fn,
           bool deterministic = true);

}  // namespace JetValues
