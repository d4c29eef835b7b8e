#include <gtest/gtest.h>
#include "core/Md5.h"
#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string Hex(const unsigned char* d) {
    std::string s;
    char b[3];
    for (int i = 0; i < MD5_DIGEST_SIZE; ++i) {
        std::snprintf(b, sizeof b, "%02x", d[i]);
        s += b;
    }
    return s;
}

std::string Digest(const std::string& data, size_t piece) {
    MD5_CTX ctx;
    MD5Init(&ctx);
    for (size_t at = 0; at < data.size(); at += piece)
        MD5Update(&ctx, data.data() + at, (unsigned)std::min(piece, data.size() - at));
    unsigned char d[MD5_DIGEST_SIZE];
    MD5Final(d, &ctx);
    return Hex(d);
}

// The test suite of RFC 1321, appendix A.5.
TEST(Md5, Rfc1321Suite) {
    struct Case { const char* input; const char* digest; };
    const Case cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const Case& c : cases) {
        // One call, and the same data split into pieces of every size.
        EXPECT_EQ(c.digest, Digest(c.input, std::max<size_t>(1, std::strlen(c.input)))) << c.input;
        EXPECT_EQ(c.digest, Digest(c.input, 1)) << c.input;
        EXPECT_EQ(c.digest, Digest(c.input, 7)) << c.input;
    }
}

TEST(Md5, LargeInputInBlocks) {
    std::string data(1 << 20, '\0');
    for (size_t i = 0; i < data.size(); ++i) data[i] = (char)(i * 31 + 7);
    std::string whole = Digest(data, data.size());
    EXPECT_EQ(whole, Digest(data, 1024));
    EXPECT_EQ(whole, Digest(data, 1000));
    EXPECT_NE(whole, Digest(data.substr(1), 1024));
}

TEST(Md5, FinalWipesTheContext) {
    MD5_CTX ctx;
    MD5Init(&ctx);
    MD5Update(&ctx, "abc", 3);
    unsigned char d[MD5_DIGEST_SIZE];
    MD5Final(d, &ctx);
    EXPECT_EQ(nullptr, ctx.hash);
    EXPECT_EQ(nullptr, ctx.algorithm);
    // The context can start again.
    MD5Init(&ctx);
    MD5Update(&ctx, "a", 1);
    MD5Final(d, &ctx);
    EXPECT_EQ("0cc175b9c0f1b6a831c399e269772661", Hex(d));
    // Updating or finishing a wiped context is harmless.
    MD5Update(&ctx, "x", 1);
    EXPECT_FALSE(MD5Final(d, &ctx));
}

// When the crypto service fails at any step the result says so and no
// digest is handed out; the service works again afterwards.
TEST(Md5, ProviderFailureIsReportedAndGivesNoDigest) {
    using md5::test::Failure;
    for (Failure failure : {Failure::OpenProvider, Failure::CreateHash, Failure::HashData, Failure::FinishHash}) {
        SCOPED_TRACE((int)failure);
        md5::test::SetFailure(failure);
        MD5_CTX ctx;
        MD5Init(&ctx);
        MD5Update(&ctx, "abc", 3);
        unsigned char d[MD5_DIGEST_SIZE];
        std::memset(d, 0xA5, sizeof d);
        EXPECT_FALSE(MD5Final(d, &ctx));
        for (unsigned char b : d) EXPECT_EQ(0xA5, b);  // neither zeros nor anything else
        EXPECT_EQ(nullptr, ctx.hash);
        EXPECT_EQ(nullptr, ctx.algorithm);
    }
    md5::test::SetFailure(Failure::None);
    MD5_CTX ctx;
    MD5Init(&ctx);
    MD5Update(&ctx, "abc", 3);
    unsigned char d[MD5_DIGEST_SIZE];
    EXPECT_TRUE(MD5Final(d, &ctx));
    EXPECT_EQ("900150983cd24fb0d6963f7d28e17f72", Hex(d));
    // A context that was never started has no digest either.
    MD5_CTX unused;
    EXPECT_FALSE(MD5Final(d, &unused));
}

}  // namespace
