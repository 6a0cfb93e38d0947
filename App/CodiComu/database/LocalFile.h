#pragma once
// Whether a file lies on this computer's own disks. The program refuses to delete a
// database file that lives on another computer (a network share), since other people
// may be working with it.

#include <QString>
#include <functional>

// False for a path of another computer: a "//server/..." or "\\server\..." name, or a
// file (or, for a file not there yet, its nearest existing folder) on a network file
// system (NFS, SMB/CIFS, SSHFS and the like).
bool IsLocalFile(const QString& path);

// The type of the file system that holds an existing path ("ext4", "nfs4", "cifs",
// "fuse.sshfs"...); empty when unknown.
QString FileSystemType(const QString& path);
// True for the types of network file systems.
bool IsNetworkFileSystemType(const QString& type);

// Replaces how the file system type of a path is found (tests play a network share);
// an empty function restores the real one.
using TFileSystemTypeProvider = std::function<QString(const QString& path)>;
void SetFileSystemTypeProvider(TFileSystemTypeProvider provider);
