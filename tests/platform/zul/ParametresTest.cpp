#include <gtest/gtest.h>

#include <QBuffer>
#include <memory>

#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TProcedureZUL.h"
#include "tests/support/QtPrinters.h"

namespace {

QByteArray Saved(const TParametres& params) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  params.SaveToStream(buffer);
  return buffer.data();
}

void Load(TParametres& params, const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  params.LoadFromStream(buffer);
}

TEST(Parametres, NamesIgnoreCaseAndKeepOrder) {
  TParametres p;
  p.AddParam(QStringLiteral("PRMUno"), 1);
  p.AddParam(QStringLiteral("PRMDos"), 2, true);
  p.AddParam(QStringLiteral("PRMTres"), 3);
  p.AddParam(QStringLiteral("prmuno"), 10);  // replaces, keeps its place and spelling
  EXPECT_EQ(p.Names(),
            (QStringList{QStringLiteral("PRMUno"), QStringLiteral("PRMDos"), QStringLiteral("PRMTres")}));
  EXPECT_EQ(p.AsInteger(QStringLiteral("PRMUNO")), 10);
  EXPECT_TRUE(p.ParamExists(QStringLiteral("prmdos")));
  EXPECT_TRUE(p.IsWritable(QStringLiteral("PRMDOS")));

  p.SetParametreValue(QStringLiteral("PRMDOS"), 20);  // keeps the writable mark
  EXPECT_TRUE(p.IsWritable(QStringLiteral("PRMDos")));
  p.SetParametreValue(QStringLiteral("PRMNuevo"), QStringLiteral("x"));
  EXPECT_FALSE(p.IsWritable(QStringLiteral("PRMNuevo")));
  EXPECT_EQ(p.Names().last(), QStringLiteral("PRMNuevo"));

  p.DeleteParam(QStringLiteral("prmtres"));
  EXPECT_FALSE(p.ParamExists(QStringLiteral("PRMTres")));
  EXPECT_FALSE(p.GetParametreValue(QStringLiteral("PRMTres")).isValid());
  p.SetWritable(QStringLiteral("PRMNuevo"), true);
  EXPECT_EQ(p.Writables(), (QStringList{QStringLiteral("PRMDos"), QStringLiteral("PRMNuevo")}));
}

TEST(Parametres, TypedReadsFallBackToTheDefault) {
  TParametres p;
  p.AddParam(QStringLiteral("Texto"), QStringLiteral("abc"));
  p.AddParam(QStringLiteral("Numero"), QStringLiteral("42"));
  p.AddParam(QStringLiteral("Nulo"), Var::Null());
  p.AddParam(QStringLiteral("Vacio"), QVariant());
  p.AddParam(QStringLiteral("Importe"), Var::FromCurrency(Currency::Parse(QStringLiteral("12,5"))));
  p.AddParam(QStringLiteral("Fecha"), Var::FromDate(DayDate::Encode(2024, 3, 1)));
  p.AddParam(QStringLiteral("Verdad"), QStringLiteral("True"));

  for (const char* name : {"Nulo", "Vacio", "Ausente", "Texto"}) {
    SCOPED_TRACE(name);
    const QString n = QLatin1String(name);
    EXPECT_EQ(p.AsInteger(n, -7), -7);
    EXPECT_EQ(p.AsDateTime(n, 5.0), 5.0);
    EXPECT_EQ(p.AsCurrency(n, Currency::FromInt(3)), Currency::FromInt(3));
    EXPECT_TRUE(p.AsBoolean(n, true));
  }
  EXPECT_EQ(p.AsString(QStringLiteral("Nulo"), QStringLiteral("def")), QStringLiteral("def"));
  EXPECT_EQ(p.AsString(QStringLiteral("Ausente"), QStringLiteral("def")), QStringLiteral("def"));
  EXPECT_EQ(p.AsInteger(QStringLiteral("Numero")), 42);
  EXPECT_EQ(p.AsString(QStringLiteral("Numero")), QStringLiteral("42"));
  EXPECT_EQ(p.AsCurrency(QStringLiteral("Importe")), Currency::Parse(QStringLiteral("12,5")));
  EXPECT_EQ(p.AsInteger(QStringLiteral("Importe")), 12);
  EXPECT_EQ(p.AsDateTime(QStringLiteral("Fecha")), DayDate::Encode(2024, 3, 1));
  EXPECT_TRUE(p.AsBoolean(QStringLiteral("Verdad")));
}

TEST(Parametres, StreamKeepsOnlyWritablesAndTheirTypes) {
  TParametres source;
  source.AddParam(QStringLiteral("PRMNoGuardado"), 1);
  source.AddParam(QStringLiteral("PRMEntero"), 123456, true);
  source.AddParam(QStringLiteral("PRMGrande"), qint64(1) << 40, true);
  source.AddParam(QStringLiteral("PRMTexto"), QStringLiteral("Año ñ \"x\""), true);
  source.AddParam(QStringLiteral("PRMBool"), true, true);
  source.AddParam(QStringLiteral("PRMReal"), 0.1, true);
  source.AddParam(QStringLiteral("PRMImporte"), Var::FromCurrency(Currency::FromRaw(-123456789)), true);
  source.AddParam(QStringLiteral("PRMFecha"), Var::FromDate(DayDate::Encode(2023, 12, 31, 23, 59, 58, 250)),
                  true);
  source.AddParam(QStringLiteral("PRMNulo"), Var::Null(), true);
  source.AddParam(QStringLiteral("PRMVacio"), QVariant(), true);

  TParametres target;
  target.AddParam(QStringLiteral("PRMEntero"), 0);  // replaced
  target.AddParam(QStringLiteral("PRMPropio"), QStringLiteral("se queda"));
  Load(target, Saved(source));

  EXPECT_FALSE(target.ParamExists(QStringLiteral("PRMNoGuardado")));
  EXPECT_EQ(target.AsInteger(QStringLiteral("PRMEntero")), 123456);
  EXPECT_TRUE(target.IsWritable(QStringLiteral("PRMEntero")));
  EXPECT_EQ(target.GetParametreValue(QStringLiteral("PRMGrande")).toLongLong(), qint64(1) << 40);
  EXPECT_EQ(target.AsString(QStringLiteral("PRMTexto")), QStringLiteral("Año ñ \"x\""));
  EXPECT_EQ(target.GetParametreValue(QStringLiteral("PRMBool")).metaType().id(), QMetaType::Bool);
  EXPECT_EQ(target.GetParametreValue(QStringLiteral("PRMReal")).toDouble(), 0.1);
  EXPECT_EQ(target.AsCurrency(QStringLiteral("PRMImporte")), Currency::FromRaw(-123456789));
  EXPECT_EQ(target.AsDateTime(QStringLiteral("PRMFecha")), DayDate::Encode(2023, 12, 31, 23, 59, 58, 250));
  EXPECT_TRUE(Var::IsNull(target.GetParametreValue(QStringLiteral("PRMNulo"))));
  EXPECT_TRUE(target.ParamExists(QStringLiteral("PRMVacio")));
  EXPECT_EQ(target.AsString(QStringLiteral("PRMPropio")), QStringLiteral("se queda"));
  // Saved again, the list gives the same bytes: nothing was lost or reordered.
  TParametres again;
  Load(again, Saved(target));
  EXPECT_EQ(Saved(again), Saved(target));
}

TEST(Parametres, DamagedStreamRaisesAndChangesNothing) {
  TParametres source;
  for (int i = 0; i < 5; ++i)
    source.AddParam(QStringLiteral("PRM%1").arg(i), QStringLiteral("valor %1").arg(i), true);
  const QByteArray good = Saved(source);

  QByteArray badTag = good;
  // The last value is the text "valor 4": a 4-byte length and 7 UTF-16 units, after its tag.
  badTag[badTag.size() - (4 + 2 * 7) - 1] = char(99);
  QByteArray badMagic = good;
  badMagic[0] = 'X';
  QByteArray badVersion = good;
  badVersion[5] = char(9);
  const QByteArray cases[] = {QByteArray(), good.left(3), good.left(good.size() - 3), badMagic,
                              badVersion,   badTag,       QByteArray(200, '\xff')};
  for (const QByteArray& bytes : cases) {
    SCOPED_TRACE(bytes.toHex().left(40).toStdString());
    TParametres target;
    target.AddParam(QStringLiteral("PRM1"), QStringLiteral("original"));
    EXPECT_THROW(Load(target, bytes), EFileError);
    EXPECT_EQ(target.Names(), QStringList{QStringLiteral("PRM1")});
    EXPECT_EQ(target.AsString(QStringLiteral("PRM1")), QStringLiteral("original"));
  }
}

TEST(Parametres, ObjectHandlesNeverDangle) {
  TParametres p;
  auto object = std::make_unique<QObject>();
  p.SetObject(QStringLiteral("PRMIP_DATASET"), object.get());
  const QVariant stored = p.GetParametreValue(QStringLiteral("PRMIP_DATASET"));
  EXPECT_NE(stored.toLongLong(), 0) << "kept as an integer handle";
  EXPECT_EQ(p.GetObject(QStringLiteral("prmip_dataset")), object.get());
  EXPECT_EQ(TParametres::ObjectHandle(object.get()), stored.toLongLong()) << "one handle per object";

  // A pointer put in as a value is kept as a handle too.
  auto other = std::make_unique<QObject>();
  p.SetParametreValue(QStringLiteral("PRME01"), QVariant::fromValue<QObject*>(other.get()));
  EXPECT_EQ(p.GetObjectAs<QObject>(QStringLiteral("PRME01")), other.get());

  object.reset();
  other.reset();
  EXPECT_EQ(p.GetObject(QStringLiteral("PRMIP_DATASET")), nullptr);
  EXPECT_EQ(p.GetObject(QStringLiteral("PRME01")), nullptr);
  // A new object, even at the same address, gets a handle of its own.
  auto fresh = std::make_unique<QObject>();
  EXPECT_NE(TParametres::ObjectHandle(fresh.get()), stored.toLongLong());
  EXPECT_EQ(TParametres::ObjectFromHandle(stored.toLongLong()), nullptr);

  p.SetObject(QStringLiteral("PRMIP_DBGRID"), nullptr);
  EXPECT_EQ(p.AsInteger(QStringLiteral("PRMIP_DBGRID"), -1), 0);
  EXPECT_EQ(p.GetObject(QStringLiteral("PRMIP_DBGRID")), nullptr);
  p.AddParam(QStringLiteral("PRMNumero"), 12345);
  EXPECT_EQ(p.GetObject(QStringLiteral("PRMNumero")), nullptr) << "a plain number is no object";
  EXPECT_EQ(p.GetObject(QStringLiteral("PRMAusente")), nullptr);
}

TEST(Parametres, ArgumentAndResultNames) {
  EXPECT_EQ(PRM::Argument(1), QStringLiteral("PRME01"));
  EXPECT_EQ(PRM::Argument(6), QStringLiteral("PRME06"));
  EXPECT_EQ(PRM::Result(12), QStringLiteral("PRMS12"));
  EXPECT_EQ(&Parametres(), &Parametres());
}

TEST(ProcedureZUL, RegistryKeepsOrderReplacesAndIgnoresUnknownNames) {
  TProcedureZUL registry;
  QStringList calls;
  registry.RegisterProcedure(
      QStringLiteral("UNO"), QStringLiteral("primera"),
      [&](QObject*, const QVariantList& args) { calls << QStringLiteral("uno %1").arg(args.size()); });
  registry.RegisterProcedure(QStringLiteral("Dos"), QString(),
                             [&](QObject*, const QVariantList&) { calls << QStringLiteral("dos"); });
  registry.RegisterProcedure(QStringLiteral("uno"), QStringLiteral("nueva"),
                             [&](QObject* sender, const QVariantList&) {
                               calls << (sender ? sender->objectName() : QStringLiteral("nueva"));
                             });
  EXPECT_EQ(registry.Names(), (QStringList{QStringLiteral("UNO"), QStringLiteral("Dos")}));
  EXPECT_EQ(registry.Description(QStringLiteral("UNO")), QStringLiteral("nueva"));
  EXPECT_TRUE(registry.Exists(QStringLiteral("DOS")));

  QObject sender;
  sender.setObjectName(QStringLiteral("boton"));
  EXPECT_TRUE(registry.ExecuteProcedure(QStringLiteral("Uno"), &sender, {1, 2}));
  EXPECT_TRUE(registry.ExecuteProcedure(QStringLiteral("dos")));
  EXPECT_FALSE(registry.ExecuteProcedure(QStringLiteral("TRES")));
  EXPECT_FALSE(registry.Exists(QStringLiteral("TRES")));
  EXPECT_EQ(calls, (QStringList{QStringLiteral("boton"), QStringLiteral("dos")}));

  // Errors go through; a procedure may change the registry while it runs.
  registry.RegisterProcedure(QStringLiteral("FALLA"), QString(), [&](QObject*, const QVariantList&) {
    registry.Clear();
    throw EDatabaseError(QStringLiteral("rechazado"));
  });
  EXPECT_THROW(registry.ExecuteProcedure(QStringLiteral("falla")), EDatabaseError);
  EXPECT_TRUE(registry.Names().isEmpty());
}

}  // namespace
