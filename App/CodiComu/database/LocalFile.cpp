#include "App/CodiComu/database/LocalFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

TFileSystemTypeProvider& Provider() {
  static TFileSystemTypeProvider provider;
  return provider;
}

// The path itself when it exists, else its nearest existing folder: a file about to be
// created lies where its folder lies.
QString ExistingPart(const QString& path) {
  QFileInfo info(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
  while (!info.exists()) {
    const QString parent = info.absolutePath();
    if (parent == info.absoluteFilePath()) return QString();
    info.setFile(parent);
  }
  // Through symbolic links to where the data really is.
  const QString canonical = info.canonicalFilePath();
  return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

}  // namespace

QString FileSystemType(const QString& path) {
  const QString existing = ExistingPart(path);
  if (existing.isEmpty()) return QString();
  if (Provider()) return Provider()(existing);
  const QStorageInfo storage(existing);
  return storage.isValid() ? QString::fromLatin1(storage.fileSystemType()) : QString();
}

bool IsNetworkFileSystemType(const QString& type) {
  static const char* const kNetwork[] = {
      "nfs", "nfs4", "cifs",      "smb",    "smb2", "smb3",  "smbfs", "ncpfs", "ncp",  "afs",    "coda",
      "9p",  "ceph", "glusterfs", "lustre", "gpfs", "davfs", "sshfs", "ocfs2", "gfs2", "beegfs",
  };
  // FUSE file systems carry the program's name after "fuse."; the network ones among them.
  static const char* const kNetworkFuse[] = {
      "sshfs",    "rclone", "s3fs", "davfs2",  "gvfsd-fuse", "curlftpfs", "glusterfs",
      "smbnetfs", "cephfs", "ceph", "gcsfuse", "blobfuse",   "goofys",
  };
  const QString t = type.trimmed().toLower();
  for (const char* name : kNetwork) {
    if (t == QLatin1String(name)) return true;
  }
  if (t.startsWith(QLatin1String("fuse."))) {
    const QString program = t.mid(5);
    for (const char* name : kNetworkFuse) {
      if (program == QLatin1String(name)) return true;
    }
  }
  return false;
}

bool IsLocalFile(const QString& path) {
  const QString file = path.trimmed();
  if (file.startsWith(QLatin1String("//")) || file.startsWith(QLatin1String("\\\\"))) return false;
  // An unknown file system (nothing of the path exists) counts as local: the deletion still
  // asks first and then finds no file.
  return !IsNetworkFileSystemType(FileSystemType(file));
}

void SetFileSystemTypeProvider(TFileSystemTypeProvider provider) { Provider() = std::move(provider); }
