#pragma once
// The statement builders through which the rules write to the database: table,
// field names, conditions and values become Jet SQL text, with every value entering
// it as a literal of ValorSQL.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

class TDataBaseZUL;

// The SQL literal of a value, by its variant kind; raises EVariantError
// "Variant de tipo inválido: " + the kind as 8 hexadecimal digits for other kinds.
QString ValorSQL(const TDataBaseZUL& db, const QVariant& value);
// The same on the application's default database.
QString ValorSQL(const QVariant& value);

void EsborraRegistres(TDataBaseZUL& db, const QString& table, const QString& condition);
void ModificaRegistres(TDataBaseZUL& db, const QString& table, const QString& setClause,
                       const QString& condition);
void CreaRegistre(TDataBaseZUL& db, const QString& table, const QStringList& fields,
                  const QVariantList& values);
// Inserts and returns the new record's key (the highest key of the table).
QVariant CreaRegistreAmbID(TDataBaseZUL& db, const QString& table, const QString& keyField,
                           const QStringList& fields, const QVariantList& values);
QVariant MaximValor(TDataBaseZUL& db, const QString& table, const QString& keyField);
int ComptaRegistres(TDataBaseZUL& db, const QString& field, const QString& table, const QString& condition);
// The field of the first row matching the condition on the default database, or null.
QVariant LlegeixCamp(const QString& table, const QString& field, const QString& condition);

// The value as a 32-bit integer, 0 when it cannot be converted; never raises.
int VarAEnter(const QVariant& value);
