#pragma once
// One user of the program or of a database, and the rights of a database user on
// each table, with the texts they are stored as:
// - a user slot: name "|" password "|" full name "|" properties (ten digits);
// - a rights list: "table=bits" entries separated by commas, the bits ten digits
//   with view 1, add 2, modify 4, delete 8.

#include <QString>
#include <vector>

enum TUserProperty : int { upAdministrator = 1, upWrite = 2 };

struct TUserValues {
  QString name;
  QString password;  // as stored: the salted hash (a plain text only in old files)
  QString fullName;
  int properties = 0;  // TUserProperty bits

  bool IsAdministrator() const { return (properties & upAdministrator) != 0; }
  bool CanWrite() const { return (properties & (upAdministrator | upWrite)) != 0; }
  bool operator==(const TUserValues&) const = default;
};

// The rights of a user on one table. The default entry (empty name) has every right.
struct TTableUserRights {
  QString table;
  bool view = true;
  bool add = true;
  bool modify = true;
  bool remove = true;

  int Bits() const;
  static TTableUserRights FromBits(const QString& table, int bits);
  // Clearing "view" clears the other rights; setting another right sets "view".
  void SetRight(int column, bool value);  // 0 view, 1 add, 2 modify, 3 delete
  bool Right(int column) const;
  bool operator==(const TTableUserRights&) const = default;
};

using TTablesUserRights = std::vector<TTableUserRights>;

struct TDBUserValues {
  TUserValues user;
  TTablesUserRights tables;

  // The entry of a table (name without regard to case), or nullptr.
  const TTableUserRights* Find(const QString& table) const;
  // The entry of a table, or the default entry when the list has none.
  TTableUserRights RightsOf(const QString& table) const;
  // The entry of a table, created from the default entry when missing.
  TTableUserRights& Entry(const QString& table);
};

namespace UserText {

// "%.10u": the value as an unsigned number of at least ten digits.
QString TenDigits(int value);
QString FormatSlot(const TUserValues& values);
// Splits at "|" from left to right; properties that are no number read as 0.
TUserValues ParseSlot(const QString& text);
QString FormatRights(const TTablesUserRights& rights);
// Keeps the entries with a name whose bits are a number.
TTablesUserRights ParseRights(const QString& text);

}  // namespace UserText
