#pragma once

#include <QByteArray>
#include <QTemporaryDir>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <fstream>
#include <string>

// A file system of a few kilobytes of the test's own, mounted in a temporary folder: as root, or else
// in a user namespace of the test process's own where the system allows one. Unmounted when the test
// ends. Each test runs in a process of its own, so a namespace made here stays with that test.
class SmallFileSystem {
public:
    explicit SmallFileSystem(int kilobytes) {
        if (::geteuid() != 0 && !EnterOwnNamespace())
            return;
        const std::string options = "size=" + std::to_string(kilobytes) + "k";
        mounted_ =
            ::mount("tmpfs", QFile::encodeName(folder_.path()).constData(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~SmallFileSystem() {
        if (mounted_)
            ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
    }

    bool Mounted() const { return mounted_; }
    QString Path(const QString& name) const { return folder_.filePath(name); }
    void MakeReadOnly() {
        ::mount(nullptr, QFile::encodeName(folder_.path()).constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                nullptr);
    }

private:
    static bool EnterOwnNamespace() {
        const auto uid = ::getuid(), gid = ::getgid();
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return false;
        std::ofstream("/proc/self/setgroups") << "deny";
        std::ofstream("/proc/self/uid_map") << "0 " << uid << " 1";
        std::ofstream("/proc/self/gid_map") << "0 " << gid << " 1";
        return true;
    }

    QTemporaryDir folder_;
    bool mounted_ = false;
};
