// HTTP(S) download into memory or into a file, through WinINet.
#pragma once
#include "framework/WinTypes.h"

const int DOWNLOAD_CANNOT_OPEN_URL = -1;    // not reachable, or the server answered with an error status
const int DOWNLOAD_CANNOT_CREATE_FILE = -2; // the local file cannot be created, written or put in place
const int DOWNLOAD_INCOMPLETE = -3;         // the transfer broke off or the body is shorter than announced

// Chunk size of the reads and growth step of the memory buffer.
const int DOWNLOAD_CHUNK_BYTES = 1024;
const int DOWNLOAD_BUFFER_STEP = 10240;

// Downloads url. With buffer: into a zero-filled buffer allocated with
// malloc, the data always followed by a zero byte; the caller frees it with
// free(). Without buffer: into the file at localPath, which is written under
// a temporary name and replaces localPath only once the download is
// complete, so a failed download leaves localPath as it was. progress, when
// given, receives 0..100 while the size is known.
// Result: the number of bytes read, or one of the negative codes above. An
// empty body gives 0 and keeps nothing: *buffer stays null and localPath
// is not touched.
int DownloadUrl(const wchar_t* url, char** buffer, const wchar_t* localPath, int* progress);
