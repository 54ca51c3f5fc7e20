#pragma once

#include <QString>

// While it lives, the folder takes no new file and no rename while its files stay writable (the
// folder is made read-only). A test run as root would create files there all the same, so for
// that time root's power to override file permissions is set aside in this thread.
class FolderClosedToNewFiles {
public:
    explicit FolderClosedToNewFiles(const QString& path);
    ~FolderClosedToNewFiles();
    FolderClosedToNewFiles(const FolderClosedToNewFiles&) = delete;
    FolderClosedToNewFiles& operator=(const FolderClosedToNewFiles&) = delete;

private:
    QString path_;
    bool overrideSetAside_ = false;
};
