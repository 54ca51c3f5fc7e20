#include "support/ClosedFolder.h"

#include <QFile>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// The effective capabilities of this thread, read and written through the kernel's interface.
struct Capabilities {
    __user_cap_header_struct header { _LINUX_CAPABILITY_VERSION_3, 0 };
    __user_cap_data_struct data[2] {};

    bool read() { return syscall(SYS_capget, &header, data) == 0; }
    bool write() { return syscall(SYS_capset, &header, data) == 0; }
};

constexpr unsigned kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

// Sets aside (or takes back) root's power to override file permissions; false when it has none.
bool setOverride(bool on)
{
    Capabilities caps;
    if (!caps.read() || (caps.data[0].permitted & kOverrides) == 0)
        return false;
    caps.data[0].effective = on ? caps.data[0].effective | kOverrides : caps.data[0].effective & ~kOverrides;
    return caps.write();
}

} // namespace

FolderClosedToNewFiles::FolderClosedToNewFiles(const QString& path)
    : path_(path)
{
    QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    overrideSetAside_ = geteuid() == 0 && setOverride(false);
}

FolderClosedToNewFiles::~FolderClosedToNewFiles()
{
    if (overrideSetAside_)
        setOverride(true);
    QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
