#pragma once
// Passwords are kept as a salted, slow hash: PBKDF2 with HMAC-SHA256, written as
// "pbkdf2$<iterations>$<salt>$<hash>" (salt and hash in URL-safe base64). The text
// holds no "|", ",", or "=", so it fits the user slots as it stands; a typed password
// (letters and digits) can never look like one.

#include <QByteArray>
#include <QString>

namespace PasswordHash {

inline constexpr int kDefaultIterations = 100000;

// A new hash with a random salt.
QString Hash(const QString& password);
QString Hash(const QString& password, const QByteArray& salt, int iterations);
// True when the stored text is a hash of ours.
bool IsHash(const QString& stored);
// A hash matches the password that made it; any other stored text is a password
// kept in plain text by an older file and must equal the typed one exactly.
bool Matches(const QString& stored, const QString& typed);
// The stored text as it must be kept: a hash stays, anything else is hashed.
QString ForStorage(const QString& password);

// The work factor of new hashes (tests lower it to run fast); returns the previous one.
int SetIterations(int iterations);

QByteArray Pbkdf2Sha256(const QByteArray& password, const QByteArray& salt, int iterations, int length);

}  // namespace PasswordHash
