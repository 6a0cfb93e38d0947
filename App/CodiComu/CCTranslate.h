#pragma once
// The numbered message catalogue. Every message of the shell and of the invoice
// processes is looked up by number, never written at the point of use:
// - numbers 1..9999: the shell's table TransArray(), keys registered as "CC." + key
//   with BPLTranslate();
// - numbers 10000..99999: the program's list filled by RegisterExeStrings(), keys
//   "ExeStrings." + number with ExeTranslate().
// The translation object gives the text of the current language or the Spanish
// default of the table. With Shift and left Alt held every text shows its number in
// front ("(1004)SOLO LECTURA"), so translators can find a message on screen.
//
// Outside save mode a lookup never fails: an unknown number gives "" and a text that
// does not format with its arguments comes back unformatted. In save mode a wrong
// table or an unknown number raises at once.

#include <QString>
#include <QVariantList>
#include <span>

class TZULTranslate;

// One slot of the shell's catalogue; number 0 marks an empty slot. Texts are UTF-8.
struct TTranslateiNum {
  int iNum;
  const char* key;   // family, a point and a name ("Common.yes")
  const char* text;  // Spanish default; may hold Format placeholders and line breaks
};

// One entry of the program's list; a number of 0 or less is skipped.
struct TExeTranslateValue {
  int iNum;
  const char* text;  // Spanish default, UTF-8
};

inline constexpr int kTransArraySlots = 334;
inline constexpr int kExeStringsSlots = 132;

// The shell's catalogue (TRANSARRAY): 334 slots, in registration order.
std::span<const TTranslateiNum> TransArray();
// The table of 132 slots that the main window registers with RegisterExeStrings.
std::span<const TExeTranslateValue> ExeStringsTable();
// The same slots in the lite edition's wording (receipts instead of invoices).
std::span<const TExeTranslateValue> ExeStringsTableLite();

QString ccTranslate(int iNum);
QString ccTranslateFmt(int iNum, const QVariantList& args);
QString ccExeTranslate(int iNum);
QString ccExeTranslateFmt(int iNum, const QVariantList& args);

// Replaces the program's list by the entries of the table with a number above 0.
void RegisterExeStrings(std::span<const TExeTranslateValue> table);

// Checks the filled slots of a catalogue table and declares them with `translate`,
// only when it is in save mode. ccTranslate runs it over TransArray() once per
// process, at its first call.
void RegisterCatalogue(std::span<const TTranslateiNum> table, TZULTranslate& translate);
// Lets the next ccTranslate run the registration again (tests; a translator who
// switched save mode on after start-up).
void ResetCatalogueRegistration();
