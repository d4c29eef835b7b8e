#include "core/Md5.h"
#include <windows.h>
#include <bcrypt.h>
#include <atomic>
#include <cstring>

namespace {

using md5::test::Failure;
Failure g_failure = Failure::None;
std::atomic<unsigned long long> g_hashedBytes{0};

// A status of the crypto service, or a failure a test asked for at this step.
bool Ok(NTSTATUS status, Failure step) { return status >= 0 && g_failure != step; }

void Release(MD5_CTX* context) {
    if (context->hash) BCryptDestroyHash((BCRYPT_HASH_HANDLE)context->hash);
    if (context->algorithm) BCryptCloseAlgorithmProvider((BCRYPT_ALG_HANDLE)context->algorithm, 0);
    context->hash = nullptr;
    context->algorithm = nullptr;
}

}  // namespace

void MD5Init(MD5_CTX* context) {
    if (!context) return;
    Release(context);
    context->failed = 0;
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    BCRYPT_HASH_HANDLE hash = nullptr;
    NTSTATUS status = BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_MD5_ALGORITHM, nullptr, 0);
    if (status >= 0) context->algorithm = algorithm;
    if (Ok(status, Failure::OpenProvider)) {
        status = BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0);
        if (status >= 0) context->hash = hash;
        if (Ok(status, Failure::CreateHash)) return;
    }
    context->failed = 1;
    Release(context);
}

void MD5Update(MD5_CTX* context, const void* input, unsigned int length) {
    if (!context || !context->hash || length == 0 || !input) return;
    g_hashedBytes += length;
    if (!Ok(BCryptHashData((BCRYPT_HASH_HANDLE)context->hash, (PUCHAR)input, length, 0), Failure::HashData))
        context->failed = 1;
}

BOOL MD5Final(unsigned char digest[MD5_DIGEST_SIZE], MD5_CTX* context) {
    unsigned char result[MD5_DIGEST_SIZE] = {};
    bool computed = context && context->hash && !context->failed &&
                    Ok(BCryptFinishHash((BCRYPT_HASH_HANDLE)context->hash, result, MD5_DIGEST_SIZE, 0),
                       Failure::FinishHash);
    if (computed && digest) memcpy(digest, result, MD5_DIGEST_SIZE);
    if (context) {
        Release(context);
        context->failed = 0;
    }
    return computed ? TRUE : FALSE;
}

namespace md5 {
namespace test {
void SetFailure(Failure failure) { g_failure = failure; }
unsigned long long HashedBytes() { return g_hashedBytes; }
void ResetHashedBytes() { g_hashedBytes = 0; }
}  // namespace test
}  // namespace md5
