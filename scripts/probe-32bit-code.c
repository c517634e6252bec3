/* Answers whether this machine runs 32-bit x86 code at all, the way Wine's WoW64 mode (and
 * 64-bit Windows) runs a 32-bit program: a 64-bit process switches the CPU to the 32-bit user
 * code segment and back. Some kernels and hypervisors offer no such segment; then no 32-bit
 * Windows program can run under Wine, in any mode.
 * A child process enters 32-bit code with iretq; that code far-jumps back to 64-bit code, which
 * ends the child with status 32. Prints what it found; exit status 0: runs, 1: does not (the
 * switch faulted), 2: the probe itself failed.
 * Linux x86_64 only: built with the host's gcc by scripts/test-all. */
#define _GNU_SOURCE
#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

enum { USER32_CS = 0x23, USER64_CS = 0x33 };

static void enter_32bit_code(void)
{
    /* Below 4 GiB, where 32-bit code can address it. */
    uint8_t *page = mmap((void *)0x10000000, 4096, PROT_READ | PROT_WRITE | PROT_EXEC,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
    if (page == MAP_FAILED)
        _exit(3);
    const uint32_t back = (uint32_t)(uintptr_t)page + 0x100;
    /* 32-bit: ljmp $USER64_CS, $back */
    const uint8_t far_jump[] = {0xea, back & 0xff, (back >> 8) & 0xff, (back >> 16) & 0xff, back >> 24,
                                USER64_CS, 0x00};
    /* 64-bit: exit(32) */
    const uint8_t exit32[] = {0xb8, 60, 0, 0, 0, 0xbf, 32, 0, 0, 0, 0x0f, 0x05};
    memcpy(page, far_jump, sizeof far_jump);
    memcpy(page + 0x100, exit32, sizeof exit32);
    uint64_t ss;
    __asm__ volatile("mov %%ss, %0" : "=r"(ss));
    const uint64_t stack = (uintptr_t)page + 0xff0, cs = USER32_CS, target = (uintptr_t)page;
    __asm__ volatile("push %0\n\tpush %1\n\tpushfq\n\tpush %2\n\tpush %3\n\tiretq"
                     :
                     : "r"(ss), "r"(stack), "r"(cs), "r"(target)
                     : "memory");
    _exit(4);
}

int main(void)
{
    const pid_t child = fork();
    if (child < 0) {
        perror("probe-32bit-code: fork");
        return 2;
    }
    if (child == 0)
        enter_32bit_code();
    int status = 0;
    if (waitpid(child, &status, 0) != child) {
        perror("probe-32bit-code: waitpid");
        return 2;
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 32) {
        puts("this machine runs 32-bit x86 code");
        return 0;
    }
    if (WIFSIGNALED(status) && (WTERMSIG(status) == SIGSEGV || WTERMSIG(status) == SIGBUS)) {
        printf("this machine runs no 32-bit x86 code: switching to the 32-bit code segment faulted (%s)\n",
               strsignal(WTERMSIG(status)));
        return 1;
    }
    printf("probe-32bit-code: the probe ended otherwise (status %#x)\n", status);
    return 2;
}
