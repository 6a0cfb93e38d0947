#include "platform/translate/TZULTranslate.h"

#include <QFileInfo>
#include <QMetaProperty>
#include <QObject>
#include <QPointer>
#include <QVariant>
#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/translate/TLanguageFile.h"

namespace {

// Execute keeps, on each object showing a translation, the text the property had
// before (so the default language can bring it back) and the text it put there (so
// a text the program changed since is taken as the new original).
QByteArray OriginalName(const QString& property) { return "_lumaTranslateOriginal_" + property.toLatin1(); }
QByteArray ShownName(const QString& property) { return "_lumaTranslateShown_" + property.toLatin1(); }

}  // namespace

TZULTranslate::~TZULTranslate() {
  try {
    if (m_dirty) SaveChanges();
  } catch (...) {
    // Nothing can be reported while the object goes away.
  }
  for (TZULTranslate* follower : m_followers) follower->m_master = nullptr;
  if (m_master) {
    auto& list = m_master->m_followers;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
}

void TZULTranslate::Init(const QString& translationFile, const QString& changesFile,
                         const QString& language) {
  std::optional<EFileError> error;
  if (m_dirty && !m_changesFile.isEmpty()) {
    try {
      SaveChanges();
    } catch (const EFileError& e) {
      error = e;
    }
  }
  // Keys that could not be written yet stay and go to the new changes file.
  if (!m_dirty) m_collected.clear();

  m_initialized = true;
  m_language = language;
  m_translationFile = translationFile;
  m_texts.clear();
  if (!translationFile.isEmpty() && QFileInfo::exists(translationFile)) {
    try {
      m_texts = TLanguageFile::Load(translationFile).texts;
    } catch (const EFileError& e) {
      // The defaults stand: the object shows the default language.
      m_language.clear();
      m_translationFile.clear();
      if (!error) error = e;
    }
  }

  m_changesFile = changesFile;
  if (!changesFile.isEmpty() && QFileInfo::exists(changesFile)) {
    try {
      const TLanguageFile previous = TLanguageFile::Load(changesFile);
      for (auto it = previous.texts.begin(); it != previous.texts.end(); ++it) {
        if (!m_collected.contains(it.key())) m_collected.insert(it.key(), it.value());
      }
    } catch (const EFileError& e) {
      // Never overwrite what a translator may still want to look at.
      m_changesFile.clear();
      if (!error) error = e;
    }
  }
  if (error) throw *error;
}

QString TZULTranslate::Language() const {
  if (m_initialized || !m_master) return m_language;
  return m_master->Language();
}

void TZULTranslate::SetValue(const QString& key, const QString& defaultText) {
  if (SaveMode()) Collect(key, defaultText);
}

QString TZULTranslate::ValueDef(const QString& key, const QString& defaultText) {
  if (SaveMode()) Collect(key, defaultText);
  const std::optional<QString> text = Lookup(key);
  return text ? *text : defaultText;
}

bool TZULTranslate::HasTranslation(const QString& key) const { return Lookup(key).has_value(); }

bool TZULTranslate::SaveMode() const { return m_saveMode || (m_master && m_master->SaveMode()); }

void TZULTranslate::SaveChanges() {
  if (m_changesFile.isEmpty()) return;
  TLanguageFile file;
  file.language = m_language;
  file.texts = m_collected;
  file.Save(m_changesFile);
  m_dirty = false;
}

void TZULTranslate::SetMasterTranslate(TZULTranslate* master) {
  if (master == m_master) return;
  for (const TZULTranslate* p = master; p; p = p->m_master) {
    if (p == this) throw Exception(QStringLiteral("Un objeto de traducción no puede seguirse a sí mismo"));
  }
  if (m_master) {
    auto& list = m_master->m_followers;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
  m_master = master;
  if (m_master) m_master->m_followers.push_back(this);
}

std::optional<QString> TZULTranslate::Lookup(const QString& key) const {
  const auto it = m_texts.constFind(key);
  if (it != m_texts.constEnd() && !it.value().isEmpty()) return it.value();
  return m_master ? m_master->Lookup(key) : std::nullopt;
}

void TZULTranslate::Collect(const QString& key, const QString& defaultText) {
  TZULTranslate* owner = this;
  while (owner->m_master) owner = owner->m_master;
  const auto it = owner->m_collected.constFind(key);
  if (it != owner->m_collected.constEnd() && it.value() == defaultText) return;
  owner->m_collected.insert(key, defaultText);
  owner->m_dirty = true;
}

const QStringList& TZULTranslate::TranslatableProperties() {
  static const QStringList names{QStringLiteral("caption"), QStringLiteral("text"),
                                 QStringLiteral("title"),   QStringLiteral("windowTitle"),
                                 QStringLiteral("toolTip"), QStringLiteral("placeholderText")};
  return names;
}

void TZULTranslate::Execute(QObject* root, const QString& prefix, const Filter& filter) {
  if (!root) return;
  const QString base = prefix.isEmpty() ? QString() : prefix + QLatin1Char('.');
  TranslateObject(root, base, filter);
  TranslateTree(root, base, filter);
}

void TZULTranslate::TranslateTree(QObject* parent, const QString& keyBase, const Filter& filter) {
  // Setting a property may run code that changes the tree; walk a guarded copy.
  QList<QPointer<QObject>> children;
  for (QObject* child : parent->children()) children.append(child);
  for (const QPointer<QObject>& child : children) {
    if (!child) continue;
    if (!child->objectName().isEmpty()) {
      TranslateObject(child, keyBase + child->objectName() + QLatin1Char('.'), filter);
    }
    if (child) TranslateTree(child, keyBase, filter);
  }
}

void TZULTranslate::TranslateObject(QObject* object, const QString& keyBase, const Filter& filter) {
  for (const QString& property : TranslatableProperties()) {
    const QByteArray name = property.toLatin1();
    const QVariant value = object->property(name.constData());
    if (!value.isValid() || value.typeId() != QMetaType::QString) continue;
    if (filter && filter(object, property)) continue;

    const QString current = value.toString();
    const QVariant shown = object->property(ShownName(property).constData());
    const QString original = (shown.isValid() && shown.toString() == current)
                                 ? object->property(OriginalName(property).constData()).toString()
                                 : current;
    const QString key = keyBase + property;
    if (SaveMode() && !original.isEmpty()) Collect(key, original);

    const std::optional<QString> translation = Lookup(key);
    const QString text = translation ? *translation : original;
    if (text != current) {
      // setProperty reports false for dynamic properties too: ask the meta-object.
      const int index = object->metaObject()->indexOfProperty(name.constData());
      const bool declared = index >= 0;
      if (declared && !object->metaObject()->property(index).isWritable()) continue;
      if (!object->setProperty(name.constData(), text) && declared) continue;
    }
    if (text == original) {
      // Nothing translated: the property holds its own text again.
      object->setProperty(OriginalName(property).constData(), QVariant());
      object->setProperty(ShownName(property).constData(), QVariant());
    } else {
      object->setProperty(OriginalName(property).constData(), original);
      object->setProperty(ShownName(property).constData(), text);
    }
  }
}

TZULTranslate& ExeTranslate() {
  static TZULTranslate translate;
  return translate;
}

TZULTranslate& BPLTranslate() {
  static TZULTranslate translate;
  return translate;
}
