#include <gtest/gtest.h>

#include <QBuffer>

#include "platform/core/Exceptions.h"
#include "platform/zul/TRecursosZUL.h"
#include "tests/support/QtPrinters.h"

namespace {

QByteArray Saved(const TRecursosZUL& store, int first = 0, int last = INT_MAX) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  store.SaveToStream(buffer, first, last);
  return buffer.data();
}

void Load(TRecursosZUL& store, const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  store.LoadFromStream(buffer);
}

class RecursosTest : public ::testing::Test {
protected:
  void SetUp() override {
    // Inserted out of order: the store keeps identifier order.
    store.InsertTRecursos(100001, QStringLiteral("ZULAPPLICATION"), 9, QByteArray("params"));
    store.InsertTRecursos(90010, QStringLiteral("Informes"), 1, QByteArray());
    store.InsertTRecursos(90012, QStringLiteral("Facturas"), 2, QByteArray("f1"), 90010);
    store.InsertTRecursos(90011, QStringLiteral("Alumnos"), 2, QByteArray("a1"), 90010);
    store.InsertTRecursos(90013, QStringLiteral("Filtro"), 3, QByteArray("x"), 90011);
    store.InsertTRecursos(500, QStringLiteral("Interno"), 4, QByteArray("no se guarda"));
  }
  TRecursosZUL store;
};

TEST_F(RecursosTest, FindsByIdentifierAndListsChildren) {
  EXPECT_EQ(store.Count(), 6);
  EXPECT_EQ(store.GetIdxRecursos(500), 0);
  EXPECT_EQ(store.GetIdxRecursos(90011), 2);
  EXPECT_EQ(store.GetIdxRecursos(100001), 5);
  EXPECT_EQ(store.GetIdxRecursos(90014), -1);
  ASSERT_NE(store.FindIDRecursos(100001), nullptr);
  EXPECT_EQ(store.FindIDRecursos(100001)->name, QStringLiteral("ZULAPPLICATION"));
  EXPECT_EQ(store.FindIDRecursos(100001)->kind, 9);
  EXPECT_EQ(store.FindIDRecursos(7), nullptr);
  EXPECT_EQ(store.GetStreamRecursos(90012), QByteArray("f1"));
  EXPECT_TRUE(store.GetStreamRecursos(7).isEmpty());

  EXPECT_EQ(store.RetornaFills(90010), (QList<int>{90011, 90012}));
  EXPECT_EQ(store.RetornaFills(90010, 3), QList<int>{});
  EXPECT_EQ(store.RetornaFills(0), (QList<int>{500, 90010, 100001}));
  EXPECT_EQ(store.RetornaFills(0, 9), QList<int>{100001});

  // Replacing keeps the identifier's place and the children.
  store.InsertTRecursos(90010, QStringLiteral("Informes nuevos"), 1, QByteArray("v2"));
  EXPECT_EQ(store.Count(), 6);
  EXPECT_EQ(store.GetStreamRecursos(90010), QByteArray("v2"));
  EXPECT_EQ(store.RetornaFills(90010).size(), 2);

  EXPECT_THROW(store.InsertTRecursos(0, QString(), 1, {}), EFileError);
  EXPECT_THROW(store.InsertTRecursos(7, QString(), 1, {}, 7), EFileError);
}

TEST_F(RecursosTest, DeletingTakesTheSubtree) {
  EXPECT_TRUE(store.DelRecursos(90010));
  EXPECT_FALSE(store.DelRecursos(90010));
  EXPECT_EQ(store.Count(), 2);
  for (int id : {90010, 90011, 90012, 90013}) EXPECT_EQ(store.GetIdxRecursos(id), -1) << id;
  EXPECT_EQ(store.RetornaFills(0), (QList<int>{500, 100001}));
}

TEST_F(RecursosTest, SavesARangeAndLoadsItBack) {
  TRecursosZUL loaded;
  loaded.InsertTRecursos(1, QStringLiteral("se va"), 1, QByteArray("old"));
  Load(loaded, Saved(store, 90001));
  EXPECT_EQ(loaded.Count(), 5) << "the load replaces the store; 500 is outside the range";
  EXPECT_EQ(loaded.GetIdxRecursos(1), -1);
  EXPECT_EQ(loaded.GetIdxRecursos(500), -1);
  for (int i = 0; i < loaded.Count(); ++i) {
    const TRecursoZUL& r = loaded.Item(i);
    const TRecursoZUL* original = store.FindIDRecursos(r.id);
    ASSERT_NE(original, nullptr);
    EXPECT_EQ(r.name, original->name);
    EXPECT_EQ(r.kind, original->kind);
    EXPECT_EQ(r.parent, original->parent);
    EXPECT_EQ(r.data, original->data);
  }
  EXPECT_EQ(loaded.RetornaFills(90011), QList<int>{90013});

  TRecursosZUL part;
  Load(part, Saved(store, 90011, 90012));
  EXPECT_EQ(part.Count(), 2);
  TRecursosZUL none;
  Load(none, Saved(store, 200000, 300000));
  EXPECT_EQ(none.Count(), 0);
}

TEST_F(RecursosTest, DamagedStreamRaisesAndKeepsTheStore) {
  const QByteArray good = Saved(store);
  QByteArray badMagic = good;
  badMagic[1] = 'Z';
  QByteArray unordered;  // two resources with one identifier
  {
    QBuffer buffer(&unordered);
    buffer.open(QIODevice::WriteOnly);
    QDataStream out(&buffer);
    out.setVersion(QDataStream::Qt_6_0);
    out << quint32(0x4C524553) << quint16(1) << quint32(2);
    for (int i = 0; i < 2; ++i)
      out << qint32(5) << qint32(1) << qint32(0) << QStringLiteral("r") << QByteArray("d");
  }
  for (const QByteArray& bytes :
       {QByteArray(), good.left(10), good.left(good.size() - 1), badMagic, unordered}) {
    TRecursosZUL target = store;
    EXPECT_THROW(Load(target, bytes), EFileError);
    EXPECT_EQ(target.Count(), 6);
    EXPECT_EQ(target.GetStreamRecursos(100001), QByteArray("params"));
  }
}

}  // namespace
