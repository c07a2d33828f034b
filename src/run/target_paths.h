#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Path texts of a packaging run: where each file's package folder and copy go.

// The file name of path: the text after its last "\" or "/", or the whole
// path when it has neither. A double quote at the very start is skipped and
// a double quote ends the path.
std::wstring FileNamePart(std::wstring_view path);

// destination followed by pattern with every "#" replaced by package in
// decimal ("-" for a negative number). destination ends in "\" already.
std::wstring PackageFolderPath(std::wstring_view destination, std::wstring_view pattern,
                               int32_t package);

// The folder path to create: trailing spaces, "\" and "/" removed. Any
// length; the caller hands long ones to the platform in the \\?\ form.
std::wstring FolderPathForCreation(std::wstring_view path);

// The package folder as it is created: PackageFolderPath through
// FolderPathForCreation, the path every target of the package lies in.
std::wstring PackageFolder(std::wstring_view destination, std::wstring_view pattern,
                           int32_t package);

// folder + "\" + fileName. Give it the created folder's path
// (FolderPathForCreation), so the target lies in the folder that exists even
// when the pattern ends in a space or a separator.
std::wstring TargetPath(std::wstring_view folder, std::wstring_view fileName);

// A pattern without the counter sign: trailing spaces (U+0020 only) removed
// and " #" appended.
std::wstring AmendNamingPattern(std::wstring_view pattern);

// True when the pattern holds the counter sign "#".
bool PatternHasCounter(std::wstring_view pattern);

// False when the pattern holds a character that no folder name may hold:
// \ / : * ? " < > | or a control character. A pattern with a separator
// would name folders outside the destination.
bool PatternIsFolderName(std::wstring_view pattern);

// True for a name Windows keeps for a device: CON, PRN, AUX, NUL, COM1 to
// COM9, LPT1 to LPT9, also with spaces after it, an extension or more text
// after a dot ("NUL.txt", "COM1 .a.b"); case does not matter.
bool IsDeviceName(std::wstring_view name);

// True when the pattern ends in a dot or a space: the folders it names could
// be made only in the \\?\ form, and plain paths (Explorer's too) could not
// reach them afterwards.
bool PatternEndsInDotOrSpace(std::wstring_view pattern);
