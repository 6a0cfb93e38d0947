#pragma once
// The record navigator of a data form: first, previous, next, last, new, edit,
// save, cancel, delete and refresh over a dataset, each enabled only when it can
// act. Errors of the dataset's rules are shown; a delete asks first.

#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/zul/TQuerySQL.h"
#include "platform/zul/TSQLDataSet.h"

class QToolButton;

class TZULDBNavigator : public QWidget {
  Q_OBJECT
public:
  enum Button { First, Prior, Next, Last, Insert, Edit, Post, Cancel, Delete, Refresh, ButtonCount };

  explicit TZULDBNavigator(TSQLDataSet* dataSet, QWidget* parent = nullptr);

  TSQLDataSet* DataSet() const { return m_dataSet; }
  // Refresh re-runs the form's query object, when it has one.
  void SetQuery(TQuerySQL* query) { m_query = query; }
  // Runs before anything that moves, saves or re-reads the record (the form writes
  // what was typed into the fields); false stops the action.
  void SetBeforeAction(std::function<bool()> beforeAction) { m_beforeAction = std::move(beforeAction); }

  QToolButton* ButtonAt(Button button) const { return m_buttons[button]; }
  // Runs a button's action as a click does (nothing when the button is disabled);
  // true when it ran to the end.
  bool Run(Button button);
  void UpdateButtons();

private:
  void Act(Button button);

  QPointer<TSQLDataSet> m_dataSet;
  QPointer<TQuerySQL> m_query;
  std::function<bool()> m_beforeAction;
  QToolButton* m_buttons[ButtonCount] = {};
};
