#include "platform/AudioModule.h"
#include "platform/LibraryFile.h"
#include "support/FileBytes.h"
#include "support/SoundModules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cerrno>
#include <cstddef>
#include <dlfcn.h>
#include <fcntl.h>
#include <functional>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

#ifndef MFD_NOEXEC_SEAL
#define MFD_NOEXEC_SEAL 0x0008U
#endif

namespace {
#if defined(__x86_64__)
constexpr __u32 ThisArch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
constexpr __u32 ThisArch = AUDIT_ARCH_AARCH64;
#else
constexpr __u32 ThisArch = 0; // no filter is known here: the tests that need one skip
#endif

enum class Refused { ExecutableMemoryFiles, AndUnlinkedFiles };

// Runs `body` on a thread of its own where the kernel refuses what `refused` names, as it does where
// executable memory files are not allowed (vm.memfd_noexec=2): a memory file that may be executed is
// refused with EACCES. The filter binds that thread alone and ends with it.
bool runWhereRefused(Refused refused, const std::function<void()>& body)
{
    if (ThisArch == 0)
        return false;
    // The low half of the flags argument, on a little-endian machine.
    constexpr std::uint32_t Flags = offsetof(seccomp_data, args);
    const std::uint32_t OpenFlags = Flags + 2 * sizeof(__u64);
    const bool unlinkedToo = refused == Refused::AndUnlinkedFiles;
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, ThisArch, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_memfd_create, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, Flags + sizeof(__u64)),
        BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, MFD_NOEXEC_SEAL, 0, 4),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_openat, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, OpenFlags),
        BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, unlinkedToo ? __u32(O_TMPFILE & ~O_DIRECTORY) : 0u, 2, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EACCES),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EOPNOTSUPP),
    };
    bool installed = false;
    std::thread thread([&] {
        sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
        installed = ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
                    ::syscall(SYS_seccomp, SECCOMP_SET_MODE_FILTER, 0, &program) == 0;
        if (installed)
            body();
    });
    thread.join();
    return installed;
}

QString writeModule(const QTemporaryDir& folder, const QByteArray& bytes)
{
    QFile f(folder.filePath(QStringLiteral("libparlour_sound.so")));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return f.fileName();
}

int descriptorOf(const QByteArray& loaderPath)
{
    const QByteArray prefix = QByteArrayLiteral("/proc/self/fd/");
    return loaderPath.startsWith(prefix) ? loaderPath.mid(prefix.size()).toInt() : -1;
}

// The descriptors of this process open on the same file as `fd`, `fd` among them.
std::vector<int> descriptorsOnTheFileOf(int fd)
{
    struct stat copy {};
    if (::fstat(fd, &copy) != 0)
        return {};
    std::vector<int> found;
    for (const QString& name : QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        struct stat other {};
        const int open = name.toInt();
        if (::fstat(open, &other) == 0 && other.st_dev == copy.st_dev && other.st_ino == copy.st_ino)
            found.push_back(open);
    }
    return found;
}
} // namespace

// Where the kernel allows no executable memory file, the bytes checked are copied to a file with no
// name in the module's folder, handed to the loader read-only: the file on disk may change, the copy not.
TEST(LibraryFile, WhereNoExecutableMemoryFileIsAllowedTheCopyIsAnUnlinkedFileOfTheCheckedBytes)
{
    QTemporaryDir folder;
    const QByteArray module = readBytes(recordingSoundModuleFile());
    const QString path = writeModule(folder, module);
    bool loaded = false;
    const bool filtered = runWhereRefused(Refused::ExecutableMemoryFiles, [&] {
        ASSERT_LT(::memfd_create("probe", MFD_CLOEXEC), 0);
        ASSERT_EQ(errno, EACCES);
        platform::LibraryFile checked(path, recordingSoundModuleFingerprint());
        ASSERT_EQ(checked.fault().toStdString(), "");
        ASSERT_TRUE(checked.isTheOneBuilt());
        const int copy = descriptorOf(checked.loaderPath());
        ASSERT_GE(copy, 0);

        QFile rewrite(path);
        ASSERT_TRUE(rewrite.open(QIODevice::ReadWrite));
        ASSERT_EQ(rewrite.write(QByteArray(module.size(), '\0')), module.size());
        rewrite.close();
        EXPECT_EQ(readBytes(QFile::decodeName(checked.loaderPath())), module);

        struct stat st {};
        ASSERT_EQ(::fstat(copy, &st), 0);
        EXPECT_EQ(st.st_nlink, 0u) << "the copy has a name another process could open";
        EXPECT_EQ(st.st_mode & 0222, 0u);
        EXPECT_EQ(::fcntl(copy, F_GETFL) & O_ACCMODE, O_RDONLY);
        EXPECT_EQ(descriptorsOnTheFileOf(copy), std::vector<int>{copy}) << "a descriptor that writes is left";
        if (::geteuid() != 0) { // root writes a file whatever its mode says
            EXPECT_LT(::open(checked.loaderPath().constData(), O_WRONLY | O_CLOEXEC), 0);
        }
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("libparlour_sound.so")});

        // The loader takes it from there: the folder allows what the module needs.
        void* library = ::dlopen(checked.loaderPath().constData(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library, nullptr) << ::dlerror();
        EXPECT_NE(::dlsym(library, platform::SoundModuleEntry), nullptr);
        loaded = true;
        checked.keepOpen(); // the loader knows it by that name for the rest of the run
    });
    if (!filtered)
        GTEST_SKIP() << "this system takes no filter of system calls";
    EXPECT_TRUE(loaded);
}

// When neither copy can be made, the one line the player sees is as it always was.
TEST(LibraryFile, WhenNoCopyCanBeMadeTheFaultNamesTheRefusedMemoryFile)
{
    QTemporaryDir folder;
    const QString path = writeModule(folder, readBytes(recordingSoundModuleFile()));
    const bool filtered = runWhereRefused(Refused::AndUnlinkedFiles, [&] {
        const platform::LibraryFile checked(path, recordingSoundModuleFingerprint());
        EXPECT_FALSE(checked.isTheOneBuilt());
        EXPECT_EQ(checked.fault().toStdString(), ("cannot copy " + path + " into memory: Permission denied").toStdString());
    });
    if (!filtered)
        GTEST_SKIP() << "this system takes no filter of system calls";
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("libparlour_sound.so")});
}
