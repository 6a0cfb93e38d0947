#include "platform/zul/TQuerySQL.h"

#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TDataSource.h"
#include "platform/zul/TSQLDataSet.h"

TQuerySQL::TQuerySQL(TDataBaseZUL* database, const QString& jetSql, int dataObjectId,
                     TProcedureZUL* procedures, QObject* parent)
    : QObject(parent),
      m_dataSet(new TSQLDataSet(database, jetSql, this, 0)),
      m_dataSource(new TDataSource(m_dataSet, this)) {
  m_dataSet->setParent(this);
  m_dataSet->SetDataObjectId(dataObjectId);
  m_dataSet->SetProcedures(procedures);
}

TQuerySQL::~TQuerySQL() = default;

int TQuerySQL::DataObjectId() const { return m_dataSet->DataObjectId(); }

void TQuerySQL::Open() { m_dataSet->Open(); }

void TQuerySQL::RefrescaSQL() {
  if (m_dataSet->Active()) {
    m_dataSet->Refresh();
  } else {
    m_dataSet->Open();
  }
}
