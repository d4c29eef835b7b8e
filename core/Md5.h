// MD5 digests (RFC 1321) in three calls, computed by the system's crypto
// service. MD5Update takes any byte range any number of times; MD5Final
// writes the 16-byte digest and wipes the context.
//
// When the crypto service fails at any step, MD5Final returns FALSE and
// leaves the digest alone: a digest that was not computed is never handed
// out, so callers that compare it must treat FALSE as a mismatch.
#pragma once
#include "framework/WinTypes.h"

const int MD5_DIGEST_SIZE = 16;

struct MD5_CTX {
    void* algorithm = nullptr;  // provider handle
    void* hash = nullptr;       // hash handle
    int failed = 0;             // the crypto service refused; there will be no digest
};

void MD5Init(MD5_CTX* context);
void MD5Update(MD5_CTX* context, const void* input, unsigned int length);
// TRUE with the digest written; FALSE (digest untouched) when it could not
// be computed.
BOOL MD5Final(unsigned char digest[MD5_DIGEST_SIZE], MD5_CTX* context);

namespace md5 {
namespace test {
// Makes the crypto service fail at one step, for tests; None restores it.
enum class Failure { None, OpenProvider, CreateHash, HashData, FinishHash };
void SetFailure(Failure failure);
// The bytes handed to MD5Update since the last reset, by every thread.
unsigned long long HashedBytes();
void ResetHashedBytes();
}  // namespace test
}  // namespace md5
