// The stored form of passwords.
#include <gtest/gtest.h>

#include "App/CodiComu/users/PasswordHash.h"
#include "tests/App/CodiComu/users/UsersTestSupport.h"
#include "tests/support/QtPrinters.h"

namespace {

TEST(PasswordHashTest, Pbkdf2MatchesTheKnownVectors) {
  struct Case {
    const char* password;
    const char* salt;
    int iterations;
    const char* hex;
  };
  const Case cases[] = {
      {"password", "salt", 1, "120fb6cffcf8b32c43e7225256c4f837a86548c92ccc35480805987cb70be17b"},
      {"password", "salt", 2, "ae4d0c95af6b46d32d0adff928f06dd02a303f8ef3c251dfd6e2d85a95474c43"},
      {"password", "salt", 4096, "c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a"},
      {"passwordPASSWORDpassword", "saltSALTsaltSALTsaltSALTsaltSALTsalt", 4096,
       "348c89dbcbd32b2f32d814b8116e84cf2b17347ebc1800181c4e2a1fb8dd53e1c635518c7dac47e9"},
  };
  for (const Case& c : cases) {
    const QByteArray expected = QByteArray::fromHex(c.hex);
    EXPECT_EQ(PasswordHash::Pbkdf2Sha256(c.password, c.salt, c.iterations, static_cast<int>(expected.size()))
                  .toHex(),
              QByteArray(c.hex))
        << c.password << " " << c.iterations;
  }
}

TEST(PasswordHashTest, StoredFormMatchesOnlyItsPassword) {
  FastHashes fast;
  const QString a = PasswordHash::Hash(QStringLiteral("pelto"));
  const QString b = PasswordHash::Hash(QStringLiteral("pelto"));
  EXPECT_NE(a, b);  // salted
  const QStringList parts = a.split(QLatin1Char('$'));
  ASSERT_EQ(parts.size(), 4);
  EXPECT_EQ(parts[0], QStringLiteral("pbkdf2"));
  EXPECT_EQ(parts[1], QStringLiteral("50"));
  for (const QChar c : {QLatin1Char('|'), QLatin1Char(','), QLatin1Char('=')}) EXPECT_FALSE(a.contains(c));
  EXPECT_TRUE(PasswordHash::IsHash(a));
  EXPECT_TRUE(PasswordHash::Matches(a, QStringLiteral("pelto")));
  EXPECT_TRUE(PasswordHash::Matches(b, QStringLiteral("pelto")));
  for (const char* wrong : {"Pelto", "pelt", "pelto ", ""}) {
    EXPECT_FALSE(PasswordHash::Matches(a, QString::fromLatin1(wrong))) << wrong;
  }
  EXPECT_EQ(PasswordHash::ForStorage(a), a);
  EXPECT_TRUE(PasswordHash::Matches(PasswordHash::ForStorage(QString()), QString()));

  // Anything else is a plain password of an older file, compared exactly.
  for (const char* plain : {"pelto", "", "pbkdf2$x$y$z", "pbkdf2$0$AAAA$AAAA", "pbkdf2$99999999$AAAA$AAAA"}) {
    EXPECT_FALSE(PasswordHash::IsHash(QString::fromLatin1(plain))) << plain;
    EXPECT_TRUE(PasswordHash::Matches(QString::fromLatin1(plain), QString::fromLatin1(plain))) << plain;
  }
  EXPECT_FALSE(PasswordHash::Matches(QStringLiteral("pelto"), QStringLiteral("PELTO")));
}

}  // namespace
