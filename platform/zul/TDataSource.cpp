#include "platform/zul/TDataSource.h"

#include "platform/core/Variants.h"
#include "platform/zul/TProcedureZUL.h"
#include "platform/zul/TSQLDataSet.h"

TDataSource::TDataSource(TSQLDataSet* dataSet, QObject* parent) : QObject(parent) { SetDataSet(dataSet); }

void TDataSource::SetDataSet(TSQLDataSet* dataSet) {
  if (m_connection) disconnect(m_connection);
  m_dataSet = dataSet;
  if (dataSet) m_connection = connect(dataSet, &TSQLDataSet::dataChanged, this, &TDataSource::OnDataChanged);
}

void TDataSource::OnDataChanged(TField* field) {
  emit dataChanged(field);
  TSQLDataSet* dataSet = m_dataSet;
  if (!dataSet || !dataSet->Procedures()) return;
  dataSet->Procedures()->ExecuteProcedure(QStringLiteral("ProcedureZULDataChangeEvent_DATACHANGE"), this,
                                          {0, 0, dataSet->DataObjectId(), QVariant::fromValue<QObject*>(this),
                                           field ? QVariant::fromValue<TField*>(field) : Var::Null()});
}
