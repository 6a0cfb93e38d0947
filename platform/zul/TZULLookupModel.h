#pragma once
// The choices of a lookup combo: either a fixed list or a query of another table read
// a page at a time, so that a lookup over a large table never reads it whole. Row 0
// is the empty choice (no value); a prefix filter keeps the rows whose display text
// begins with it (matched by the engine, the text bound as a parameter).

#include <QAbstractListModel>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <functional>
#include <vector>

class TDataBaseZUL;

class TZULLookupModel : public QAbstractListModel {
  Q_OBJECT
public:
  static constexpr int kPageSize = 100;

  explicit TZULLookupModel(QObject* parent = nullptr);

  // Choices from a Jet query with its key and display fields. Nothing is read until
  // the rows are asked for (Start, a filter, or a view fetching them).
  void SetQuery(TDataBaseZUL* database, const QString& jetSql, const QString& keyField,
                const QString& displayField);
  // A fixed list; values empty: the position (0-based) is the value.
  void SetItems(const QStringList& items, const QVariantList& values);
  bool HasQuery() const { return m_database != nullptr; }

  // Lets a view read the first page (a combo does so when its list drops down).
  void Start();
  bool Started() const { return m_started; }
  // Reads the rows again from the first page, those matching the prefix ("" all).
  void SetFilter(const QString& prefix);
  // Views ask for more rows only while this holds (a combo: while its list shows);
  // a hidden view laid out at its end would otherwise read page after page.
  void SetFetchGate(std::function<bool()> gate) { m_gate = std::move(gate); }
  QString Filter() const { return m_filter; }

  // The key of a row (null for row 0 and past the end) and the row of a key among the
  // rows read (-1 when not read yet; 0 for null).
  QVariant Key(int row) const;
  QString Text(int row) const;
  int RowOfKey(const QVariant& key) const;
  // The display text of a key: from the rows read, else one keyed query; empty when
  // the key is null or has no row.
  QString DisplayText(const QVariant& key);
  // Queries run so far (the page reads and the keyed reads), for tests and figures.
  int QueryCount() const { return m_queries; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool canFetchMore(const QModelIndex& parent) const override;
  void fetchMore(const QModelIndex& parent) override;

private:
  struct Choice {
    QVariant key;
    QString text;
  };
  void Reset();
  void ReadPage();
  QString Wrapped(const QString& where, const QString& tail) const;

  TDataBaseZUL* m_database = nullptr;
  QString m_sql;  // the query of the choices, translated, with its parameters
  QVariantList m_params;
  QString m_keyField;
  QString m_displayField;
  QStringList m_items;  // a fixed list
  QVariantList m_values;
  QString m_filter;
  std::vector<Choice> m_rows;  // read so far, after the empty choice
  bool m_started = false;
  bool m_atEnd = false;
  bool m_pageJustRead = false;
  std::function<bool()> m_gate;
  int m_queries = 0;
  // The last keyed read, so that going back and forth between records reads once.
  QVariant m_cachedKey;
  QString m_cachedText;
};
