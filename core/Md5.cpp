#include "core/Md5.h"
#include <windows.h>
#include <bcrypt.h>
#include <cstring>

namespace {

bool Ok(NTSTATUS status) { return status >= 0; }

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
    if (!Ok(BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_MD5_ALGORITHM, nullptr, 0))) {
        context->failed = 1;
        return;
    }
    context->algorithm = algorithm;
    if (!Ok(BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0))) {
        context->failed = 1;
        Release(context);
        return;
    }
    context->hash = hash;
}

void MD5Update(MD5_CTX* context, const void* input, unsigned int length) {
    if (!context || !context->hash || length == 0 || !input) return;
    if (!Ok(BCryptHashData((BCRYPT_HASH_HANDLE)context->hash, (PUCHAR)input, length, 0))) context->failed = 1;
}

void MD5Final(unsigned char digest[MD5_DIGEST_SIZE], MD5_CTX* context) {
    unsigned char result[MD5_DIGEST_SIZE] = {};
    if (context && context->hash && !context->failed) {
        if (!Ok(BCryptFinishHash((BCRYPT_HASH_HANDLE)context->hash, result, MD5_DIGEST_SIZE, 0)))
            memset(result, 0, sizeof(result));
    }
    if (digest) memcpy(digest, result, MD5_DIGEST_SIZE);
    if (context) {
        Release(context);
        context->failed = 0;
    }
}
