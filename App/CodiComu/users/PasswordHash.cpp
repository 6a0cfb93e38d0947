#include "App/CodiComu/users/PasswordHash.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QStringList>

namespace {

const QString kScheme = QStringLiteral("pbkdf2");
constexpr int kSaltBytes = 16;
constexpr int kHashBytes = 32;
// A stored text asking for more work than this is refused rather than computed.
constexpr int kMaxIterations = 10000000;
constexpr auto kEncoding = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

int g_iterations = PasswordHash::kDefaultIterations;

struct TParsed {
  int iterations = 0;
  QByteArray salt;
  QByteArray hash;
};

bool Parse(const QString& stored, TParsed& parsed) {
  const QStringList parts = stored.split(QLatin1Char('$'));
  if (parts.size() != 4 || parts[0] != kScheme) return false;
  bool ok = false;
  parsed.iterations = parts[1].toInt(&ok);
  if (!ok || parsed.iterations < 1 || parsed.iterations > kMaxIterations) return false;
  const auto decode = [](const QString& text, QByteArray& out) {
    const auto result =
        QByteArray::fromBase64Encoding(text.toLatin1(), kEncoding | QByteArray::AbortOnBase64DecodingErrors);
    out = result.decoded;
    return result.decodingStatus == QByteArray::Base64DecodingStatus::Ok && !out.isEmpty();
  };
  return decode(parts[2], parsed.salt) && decode(parts[3], parsed.hash);
}

// Compares without stopping at the first difference.
bool SameBytes(const QByteArray& a, const QByteArray& b) {
  if (a.size() != b.size()) return false;
  unsigned char difference = 0;
  for (qsizetype i = 0; i < a.size(); ++i) difference |= static_cast<unsigned char>(a[i] ^ b[i]);
  return difference == 0;
}

}  // namespace

namespace PasswordHash {

QByteArray Pbkdf2Sha256(const QByteArray& password, const QByteArray& salt, int iterations, int length) {
  QMessageAuthenticationCode mac(QCryptographicHash::Sha256, password);
  QByteArray out;
  for (quint32 block = 1; out.size() < length; ++block) {
    QByteArray first = salt;
    first.append(static_cast<char>(block >> 24));
    first.append(static_cast<char>(block >> 16));
    first.append(static_cast<char>(block >> 8));
    first.append(static_cast<char>(block));
    mac.reset();
    mac.addData(first);
    QByteArray u = mac.result();
    QByteArray t = u;
    for (int i = 1; i < iterations; ++i) {
      mac.reset();
      mac.addData(u);
      u = mac.result();
      for (qsizetype k = 0; k < t.size(); ++k) t[k] = static_cast<char>(t[k] ^ u[k]);
    }
    out.append(t);
  }
  return out.left(length);
}

QString Hash(const QString& password, const QByteArray& salt, int iterations) {
  const QByteArray hash = Pbkdf2Sha256(password.toUtf8(), salt, iterations, kHashBytes);
  return kScheme + QLatin1Char('$') + QString::number(iterations) + QLatin1Char('$') +
         QString::fromLatin1(salt.toBase64(kEncoding)) + QLatin1Char('$') +
         QString::fromLatin1(hash.toBase64(kEncoding));
}

QString Hash(const QString& password) {
  QByteArray salt(kSaltBytes, Qt::Uninitialized);
  QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()), kSaltBytes / 4);
  return Hash(password, salt, g_iterations);
}

bool IsHash(const QString& stored) {
  TParsed parsed;
  return Parse(stored, parsed);
}

bool Matches(const QString& stored, const QString& typed) {
  TParsed parsed;
  if (!Parse(stored, parsed)) return stored == typed;
  const QByteArray hash =
      Pbkdf2Sha256(typed.toUtf8(), parsed.salt, parsed.iterations, static_cast<int>(parsed.hash.size()));
  return SameBytes(hash, parsed.hash);
}

QString ForStorage(const QString& password) { return IsHash(password) ? password : Hash(password); }

int SetIterations(int iterations) {
  const int previous = g_iterations;
  g_iterations = iterations < 1 ? 1 : iterations;
  return previous;
}

}  // namespace PasswordHash
