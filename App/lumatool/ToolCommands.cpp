#include "App/lumatool/ToolCommands.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include "App/CodiComu/CCTranslate.h"
#include "App/Version.h"
#include "App/lumatool/BankCommands.h"
#include "App/lumatool/UsersCommands.h"
#include "platform/core/Currency.h"
#include "platform/core/DayDate.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/os/ExecutableFolder.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/dialect/JetTranslator.h"
#include "rules/schema/DatabaseVersion.h"

namespace {

const char* const kUsage =
    "Uso:\n"
    "  lumatool version\n"
    "  lumatool db create ARCHIVO\n"
    "  lumatool sql ARCHIVO INSTRUCCION\n"
    "  lumatool translate INSTRUCCION\n"
    "  lumatool messages\n"
    "  lumatool iban check [--warn-foreign] IBAN\n"
    "  lumatool iban normalize IBAN\n"
    "  lumatool iban analyze IBAN\n"
    "  lumatool iban make PAIS BBAN\n"
    "  lumatool ccc check CCC\n"
    "  lumatool ccc digits ENTIDAD OFICINA CUENTA\n"
    "  lumatool ccc format CCC\n"
    "  lumatool bic find IBAN\n"
    "  lumatool bic check [--warn-foreign] IBAN BIC\n"
    "  lumatool nif normalize TEXTO\n"
    "  lumatool sepa creditor-id SUFIJO NIF\n"
    "  lumatool sepa mandate\n"
    "  lumatool users list ARCHIVO\n"
    "  lumatool users set-password ARCHIVO USUARIO CONTRASEÑA\n";

struct UsageError {
  QString message;
};

[[noreturn]] void Usage(const QString& message = QString()) { throw UsageError{message}; }

QString MasterPath() {
  return ExecutableFolder::File(QStringLiteral("MastersMDB/") + DatabaseVersion::Full().MasterFileName());
}

int CmdVersion(QTextStream& out) {
  const DatabaseVersion version = DatabaseVersion::Full();
  out << "lumatool " << LUMA_APP_VERSION << '\n'
      << "Aplicación: " << version.appName << '\n'
      << "Versión de la base de datos: " << version.version << '\n';
  return 0;
}

// A new company database is a copy of the empty master of the current version.
int CmdDbCreate(const QString& file, QTextStream& out) {
  const QString master = MasterPath();
  if (!QFileInfo::exists(master)) {
    throw EFileError(QStringLiteral("No se encuentra la base de datos maestra «%1»").arg(master));
  }
  if (QFileInfo::exists(file)) {
    throw EFileError(QStringLiteral("Ya existe el archivo «%1»; no se sobrescribe").arg(file));
  }
  const QString partial = file + QStringLiteral(".part");
  QFile::remove(partial);
  if (!QFile::copy(master, partial)) {
    QFile::remove(partial);
    throw EFileError(QStringLiteral("No se ha podido crear la base de datos «%1»").arg(file));
  }
  QFile::setPermissions(partial, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
  if (!QFile::rename(partial, file)) {
    QFile::remove(partial);
    throw EFileError(QStringLiteral("No se ha podido crear la base de datos «%1»").arg(file));
  }
  // Proves the copy opens as a database of the current version.
  TDataBaseZUL db;
  db.Open(file, true);
  out << file << '\n';
  return 0;
}

int CmdSql(const QString& file, const QString& statement, QTextStream& out) {
  TDataBaseZUL db;
  db.Open(file, false);
  if (JetTranslator::Translate(statement).isQuery) {
    auto query = db.GetTSQLDataSet(statement, nullptr, 1);
    query->Open();
    out << FormatHeader(*query) << '\n';
    for (query->First(); !query->Eof(); query->Next()) out << FormatRow(*query) << '\n';
  } else {
    out << db.ExecuteSQL(statement) << '\n';
  }
  return 0;
}

int CmdTranslate(const QString& statement, QTextStream& out) {
  out << TDataBaseZUL::TranslateSQL(statement) << '\n';
  return 0;
}

// The message catalogue and the program's list with their Spanish defaults: number,
// translation key and text, one per line, line breaks written as "\n".
int CmdMessages(QTextStream& out) {
  const auto line = [&out](int number, const QString& key, const char* text) {
    QString value = QString::fromUtf8(text);
    value.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    out << number << '\t' << key << '\t' << value << '\n';
  };
  for (const TTranslateiNum& entry : TransArray()) {
    if (entry.iNum == 0) continue;
    line(entry.iNum, QStringLiteral("CC.") + QString::fromUtf8(entry.key), entry.text);
  }
  for (const TExeTranslateValue& entry : ExeStringsTable()) {
    if (entry.iNum <= 0) continue;
    line(entry.iNum, QStringLiteral("ExeStrings.") + QString::number(entry.iNum), entry.text);
  }
  return 0;
}

QString FormatValue(const TField& field) {
  const QVariant v = field.Value();
  if (Var::IsNullOrEmpty(v)) return QStringLiteral("NULL");
  switch (field.DataType()) {
    case TFieldType::ftBoolean:
      return field.AsBoolean() ? QStringLiteral("True") : QStringLiteral("False");
    case TFieldType::ftDate:
    case TFieldType::ftTime:
    case TFieldType::ftDateTime:
      if (v.typeId() == QMetaType::QDateTime) return DayDate::ToDisplayString(field.AsDateTime());
      break;
    default:
      break;
  }
  switch (Var::Kind(v)) {
    case VariantKind::Currency:
      return v.value<Currency>().ToString();
    case VariantKind::Double:
    case VariantKind::Single:
      return QString::number(v.toDouble(), 'g', QLocale::FloatingPointShortest);
    case VariantKind::Boolean:
      return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case VariantKind::String:
      return QStringLiteral("<%1 bytes>").arg(v.toByteArray().size());
    default:
      return v.toString();
  }
}

}  // namespace

QString FormatHeader(TSQLDataSet& dataSet) { return dataSet.FieldNames().join(QLatin1Char('\t')); }

QString FormatRow(TSQLDataSet& dataSet) {
  QStringList values;
  for (int i = 0; i < dataSet.FieldCount(); ++i) values << FormatValue(dataSet.Fields(i));
  return values.join(QLatin1Char('\t'));
}

int RunTool(const QStringList& args, QTextStream& out, QTextStream& err) {
  try {
    const QString command = args.value(0);
    if (command == QLatin1String("version") && args.size() == 1) return CmdVersion(out);
    if (command == QLatin1String("db") && args.value(1) == QLatin1String("create") && args.size() == 3) {
      return CmdDbCreate(args.at(2), out);
    }
    if (command == QLatin1String("sql") && args.size() == 3) return CmdSql(args.at(1), args.at(2), out);
    if (command == QLatin1String("translate") && args.size() == 2) return CmdTranslate(args.at(1), out);
    if (command == QLatin1String("messages") && args.size() == 1) return CmdMessages(out);
    if (const std::optional<int> status = RunBankCommand(args, out, err)) return *status;
    if (const std::optional<int> status = RunUsersCommand(args, out, err)) return *status;
    Usage();
  } catch (const UsageError& e) {
    if (!e.message.isEmpty()) err << e.message << '\n';
    err << kUsage;
    return 2;
  } catch (const EAbort&) {
    return 1;
  } catch (const Exception& e) {
    err << e.Message() << '\n';
    return 1;
  }
}
