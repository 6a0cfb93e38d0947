// Opens a database, begins a transaction and writes into it without end; says
// READY once enough has been written that pages have spilled into the file. The
// crash test kills it there.
#include <QString>
#include <cstdio>

#include "platform/zul/TDataBaseZUL.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  TDataBaseZUL db;
  db.Open(QString::fromUtf8(argv[1]));
  // A tiny page cache makes the open transaction write into the file itself,
  // so that only the journal can undo it.
  db.ExecuteNativeSQL(QStringLiteral("PRAGMA cache_size=5"));
  db.BeginTrans();
  const QString filler(2000, QLatin1Char('x'));
  for (long i = 0;; ++i) {
    db.ExecuteSQL(QStringLiteral("INSERT INTO T01Alumnos (NombreT01, ComentariosT01) VALUES ('hijo', '%1')")
                      .arg(filler));
    if (i % 200 == 0) db.ExecuteSQL(QStringLiteral("UPDATE T01Alumnos SET CodigoT01 = CodigoT01 + 1"));
    if (i == 2000) {
      std::puts("READY");
      std::fflush(stdout);
    }
  }
}
