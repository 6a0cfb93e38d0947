#pragma once
// The error model: an exception carries the Spanish text that the user reads and
// aborts the current operation; EAbort cancels it without a message.

#include <QByteArray>
#include <QString>
#include <exception>

class Exception : public std::exception {
public:
  explicit Exception(QString message);
  ~Exception() override = default;

  const QString& Message() const { return m_message; }
  void SetMessage(const QString& message);
  // The class name shown in composed error texts ("Error al insertar registros (Tipo "...").
  virtual const char* ClassName() const { return "Exception"; }
  const char* what() const noexcept override { return m_utf8.constData(); }

private:
  QString m_message;
  QByteArray m_utf8;
};

#define LUMA_DECLARE_EXCEPTION(Name, Base)                   \
  class Name : public Base {                                 \
  public:                                                    \
    using Base::Base;                                        \
    const char* ClassName() const override { return #Name; } \
  };

// Silent abort: the operation is cancelled and nothing is shown.
class EAbort : public Exception {
public:
  EAbort() : Exception(QStringLiteral("Operation aborted")) {}
  const char* ClassName() const override { return "EAbort"; }
};

LUMA_DECLARE_EXCEPTION(EConvertError, Exception)
LUMA_DECLARE_EXCEPTION(EVariantError, Exception)
LUMA_DECLARE_EXCEPTION(EDatabaseError, Exception)
LUMA_DECLARE_EXCEPTION(EIniFileError, Exception)
LUMA_DECLARE_EXCEPTION(EFileError, Exception)

// Raises the silent abort.
[[noreturn]] void Abort();
