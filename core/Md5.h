// MD5 digests (RFC 1321) in three calls, computed by the system's crypto
// service. MD5Update takes any byte range any number of times; MD5Final
// writes the 16-byte digest and wipes the context.
#pragma once

const int MD5_DIGEST_SIZE = 16;

struct MD5_CTX {
    void* algorithm = nullptr;  // provider handle
    void* hash = nullptr;       // hash handle
    int failed = 0;             // the crypto service refused; the digest will be all zero
};

void MD5Init(MD5_CTX* context);
void MD5Update(MD5_CTX* context, const void* input, unsigned int length);
void MD5Final(unsigned char digest[MD5_DIGEST_SIZE], MD5_CTX* context);
