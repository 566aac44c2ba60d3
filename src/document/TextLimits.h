#pragma once

// The longest texts the program keeps, each named once so that a field, a
// settings key and a file reader cut at the same place.

// A file path: Linux's PATH_MAX (4096) less its terminator.
inline constexpr int kMaxPathLength = 4095;

// A book's title, author and category, and every one-line box of the
// program (page, zoom, reading parameters): the old fixed text buffers held
// 255 characters and books written then never carry more.
inline constexpr int kMaxTitleLength = 255;
inline constexpr int kMaxCategoryLength = 255;
inline constexpr int kMaxLineBoxLength = 255;

// A "Default Path" value in the settings file: the folders were kept in
// buffers of twice a title's size.
inline constexpr int kMaxDefaultPathLength = 511;
