#pragma once
// Makes permission bits count for root too, so that tests of read-only folders mean something
// when they run as root (as CI does). While an object lives, the calling thread has no
// CAP_DAC_OVERRIDE or CAP_DAC_READ_SEARCH in effect, and programs it starts get no capabilities
// at all (SECBIT_NOROOT): root is then an ordinary owner of its files. Other users need nothing
// and the object changes nothing for them. Restores everything on destruction.
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#ifndef SECBIT_NOROOT
#define SECBIT_NOROOT (1 << 0)
#endif

class WithoutRootFileAccess {
public:
    WithoutRootFileAccess()
    {
        if (::geteuid() != 0) {
            ready_ = true;
            return;
        }
        oldBits_ = ::prctl(PR_GET_SECUREBITS, 0, 0, 0, 0);
        if (oldBits_ < 0 || ::prctl(PR_SET_SECUREBITS, oldBits_ | SECBIT_NOROOT, 0, 0, 0) != 0)
            return;
        bitsSet_ = true;
        if (!capabilities(false, old_))
            return;
        __user_cap_data_struct lowered[2] = {old_[0], old_[1]};
        const unsigned drop = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
        lowered[0].effective &= ~drop;
        capsSet_ = capabilities(true, lowered);
        ready_ = capsSet_;
    }
    ~WithoutRootFileAccess()
    {
        if (capsSet_)
            capabilities(true, old_);
        if (bitsSet_)
            ::prctl(PR_SET_SECUREBITS, oldBits_, 0, 0, 0);
    }
    WithoutRootFileAccess(const WithoutRootFileAccess&) = delete;
    WithoutRootFileAccess& operator=(const WithoutRootFileAccess&) = delete;

    // False when root's file access could not be taken away here (then the test cannot work).
    bool ready() const { return ready_; }

private:
    static bool capabilities(bool set, __user_cap_data_struct* data)
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        return ::syscall(set ? SYS_capset : SYS_capget, &header, data) == 0;
    }

    bool ready_ = false;
    bool bitsSet_ = false;
    bool capsSet_ = false;
    int oldBits_ = 0;
    __user_cap_data_struct old_[2] = {};
};
