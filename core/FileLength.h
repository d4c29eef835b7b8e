// The size of a file in bytes, counted by reading it to its end; -1 when it
// cannot be opened for reading (or is too large to count in a long).
#pragma once

long GetFileLength(const wchar_t* path);
