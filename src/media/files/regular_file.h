// Opening the files the game reads from data and per-user folders. Only regular files count:
// a FIFO, a device or a folder where a file should be is treated as a missing file, and opening
// it never waits (a FIFO without a writer would block an ordinary open for good).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace orv::media {

// Limits of what a text file may cost. Real data stays far below them: the largest shipped
// text file has lines of a few dozen bytes and is 31 KB long, a 1024 x 1024 level file about
// 30 MB.
constexpr std::uint64_t kMostTextFileBytes = 64ull * 1024 * 1024;
constexpr std::size_t kMostTextLineBytes = 1024 * 1024;

// Opens path (as written) with the open(2) flags, without blocking, and checks that it is a
// regular file; then the descriptor is made blocking again. -1 for anything else. With O_CREAT
// a missing file is made, as open(2) would.
int open_regular_file(const std::string& path, int flags);

// The same as a C stream in the given fopen mode; nullptr for anything but a regular file.
std::FILE* open_regular_stream(const std::string& path, int flags, const char* mode);

// Why a text file is not read although it is a regular file: longer than kMostTextFileBytes
// or holding a line longer than kMostTextLineBytes (the file is read once to find out, in
// small pieces, and rewound). Empty when the file is fine.
std::string text_file_refusal(std::FILE* file);
// The same for bytes held in memory.
std::string text_refusal(std::string_view bytes);

}  // namespace orv::media
