#pragma once
// What the database selection and the database wizard need from the application's
// configuration: the open database and the administrator check of another database.
// The configuration object implements it; tests plug a fake.

#include <QString>

struct TZULDataBase;

class IDataBaseSession {
public:
  virtual ~IDataBaseSession() = default;
  virtual void ConnectDataBase(int index) = 0;  // -1 closes
  virtual bool IsConnected() const = 0;
  virtual void SetConnected(bool connected) = 0;
  virtual int CurrentDataBaseIndex() const = 0;
  // Raises actionText + "\n" + message 1722 unless the logged-in user of that database
  // (when it requires a login) is its administrator.
  virtual void CheckDataBaseAdministrator(const TZULDataBase& database, const QString& actionText) = 0;
};
