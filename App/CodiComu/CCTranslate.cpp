#include "App/CodiComu/CCTranslate.h"

#include <vector>

#include "platform/core/DelphiFormat.h"
#include "platform/core/Exceptions.h"
#include "platform/os/KeyState.h"
#include "platform/translate/TZULTranslate.h"

namespace {

struct ExeString {
  int iNum;
  QString text;
};

bool& CatalogueRegistered() {
  static bool registered = false;
  return registered;
}

std::vector<ExeString>& ExeStrings() {
  static std::vector<ExeString> list;
  return list;
}

QString Utf8(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

QString Number(int iNum) { return QString::number(iNum); }

// With Shift and left Alt held, the number goes in front of the text.
QString WithNumber(int iNum, const QString& text) {
  if (KeyState::IsShiftDown() && KeyState::IsLeftAltDown()) {
    return QLatin1Char('(') + Number(iNum) + QLatin1Char(')') + text;
  }
  return text;
}

// A translation may have lost or changed its placeholders: show it as it is.
QString FormatOrKeep(const QString& text, const QVariantList& args) {
  try {
    return Format(text, args);
  } catch (const Exception&) {
    return text;
  }
}

}  // namespace

void RegisterCatalogue(std::span<const TTranslateiNum> table, TZULTranslate& translate) {
  if (!translate.SaveMode()) return;
  for (const TTranslateiNum& entry : table) {
    if (entry.iNum == 0) continue;  // empty slot
    if (entry.iNum < 1 || entry.iNum > 9999) {
      throw Exception(QStringLiteral("ERROR UCCTranslate. ") + Number(entry.iNum) +
                      QStringLiteral(" debe estar entre 1 y 9999"));
    }
    if (!entry.key || !*entry.key) {
      throw Exception(QStringLiteral("ERROR UCCTranslate. TRANSARRAY i=") + Number(entry.iNum) +
                      QStringLiteral(" n= IS NULL !!!"));
    }
    translate.SetValue(QStringLiteral("CC.") + Utf8(entry.key), Utf8(entry.text));
  }
}

void ResetCatalogueRegistration() { CatalogueRegistered() = false; }

QString ccTranslate(int iNum) {
  TZULTranslate& translate = BPLTranslate();
  if (!CatalogueRegistered()) {
    // Set first: a table error is reported once, not at every lookup.
    CatalogueRegistered() = true;
    RegisterCatalogue(TransArray(), translate);
  }
  // 0 is the number of the empty slots, never of a message.
  if (iNum != 0) {
    for (const TTranslateiNum& entry : TransArray()) {
      if (entry.iNum != iNum) continue;
      return WithNumber(iNum, translate.ValueDef(QStringLiteral("CC.") + Utf8(entry.key), Utf8(entry.text)));
    }
  }
  if (translate.SaveMode()) throw Exception(QStringLiteral("ccTRANSLATE inum NOT FOUND: ") + Number(iNum));
  return QString();
}

QString ccTranslateFmt(int iNum, const QVariantList& args) { return FormatOrKeep(ccTranslate(iNum), args); }

void RegisterExeStrings(std::span<const TExeTranslateValue> table) {
  std::vector<ExeString>& list = ExeStrings();
  list.clear();
  TZULTranslate& translate = ExeTranslate();
  for (const TExeTranslateValue& entry : table) {
    if (entry.iNum <= 0) continue;
    const QString text = Utf8(entry.text);
    if (translate.SaveMode()) {
      if (entry.iNum < 10000 || entry.iNum > 99999) {
        throw Exception(QStringLiteral("ERROR UCCTranslate.ExeTranslate ") + Number(entry.iNum) +
                        QStringLiteral(" debe estar entre 10000 y 99999. "));
      }
      translate.SetValue(QStringLiteral("ExeStrings.") + Number(entry.iNum), text);
    }
    list.push_back({entry.iNum, text});
  }
}

QString ccExeTranslate(int iNum) {
  TZULTranslate& translate = ExeTranslate();
  for (const ExeString& entry : ExeStrings()) {
    if (entry.iNum != iNum) continue;
    return WithNumber(iNum, translate.ValueDef(QStringLiteral("ExeStrings.") + Number(iNum), entry.text));
  }
  if (translate.SaveMode()) throw Exception(QStringLiteral("ExeTRANSLATE inum NOT FOUND: ") + Number(iNum));
  return QString();
}

QString ccExeTranslateFmt(int iNum, const QVariantList& args) {
  return FormatOrKeep(ccExeTranslate(iNum), args);
}
