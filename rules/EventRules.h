#pragma once
// The dispatch tables of the framework's events: for each event, data-object
// identifier -> rule. The rules of the data forms plug in by adding a row; an
// identifier without a row does nothing. Two hooks run before the rows: the
// new-record check of BEFOREINSERT (every identifier) and the grid set-up of form
// creation. A row or hook registered again replaces the previous one.

#include <functional>
#include <initializer_list>

#include "platform/zul/TSQLDataSet.h"

class TDataSource;
class TField;
class TZULForm;

enum class TFormEvent { Create, Destroy };

// Dataset events: the dataset and the identifier that raised them.
using TDataSetRule = std::function<void(TSQLDataSet& dataSet, int id)>;
// Data change: the form's data source and the changed field, nullptr when the
// current record changed as a whole.
using TDataChangeRule = std::function<void(TDataSource& source, TField* field, int id)>;
// Form events: the form and the framework's second integer.
using TFormRule = std::function<void(TZULForm& form, int value, int id)>;
// The BEFOREINSERT check that runs for every identifier; the dataset may be absent.
using TNewRecordCheck = std::function<void(TSQLDataSet* dataSet, int id)>;

namespace EventRules {

void Register(TDataSetEvent event, int id, TDataSetRule rule);
void Register(TDataSetEvent event, std::initializer_list<int> ids, const TDataSetRule& rule);
void RegisterDataChange(int id, TDataChangeRule rule);
void RegisterDataChange(std::initializer_list<int> ids, const TDataChangeRule& rule);
void Register(TFormEvent event, int id, TFormRule rule);

// Removes one row; nothing when there is none.
void Unregister(TDataSetEvent event, int id);
void UnregisterDataChange(int id);
void Unregister(TFormEvent event, int id);

// The rows, nullptr when the identifier has none.
const TDataSetRule* Find(TDataSetEvent event, int id);
const TDataChangeRule* FindDataChange(int id);
const TFormRule* Find(TFormEvent event, int id);

// BEFOREINSERT, before the identifier's row: the current-centre check.
void SetNewRecordCheck(TNewRecordCheck check);
const TNewRecordCheck& NewRecordCheck();

// Form creation when both integers are positive, before the identifier's row.
void SetGridSetup(TFormRule setup);
const TFormRule& GridSetup();

// The state of the dataset at the start of the last BEFOREPOST, whatever its
// identifier (dsInactive before the first one); AFTERPOST rules read it to know
// whether the posted record was new.
TDataSetState LastBeforePostState();
void SetLastBeforePostState(TDataSetState state);

// Empties every table and hook and forgets the stored state.
void Clear();

}  // namespace EventRules
