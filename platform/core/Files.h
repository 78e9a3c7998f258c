#pragma once

#include <string>
#include <string_view>
#include <vector>

// Folder of the running executable, without a trailing separator.
std::string ProgramFolder();

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Creates the folder and any missing parents; true when the folder exists afterwards.
bool ForceDirectories(const std::string& path);
// Creates one folder; false when it exists already or its parent is missing.
bool CreateDir(const std::string& path);
bool DeleteFile(const std::string& path);

// Names (not paths) of the regular files in `folder` whose extension equals `extension`
// (e.g. ".lng") ignoring ASCII case, sorted. An empty extension lists every file.
std::vector<std::string> ListFiles(const std::string& folder, std::string_view extension);
// Names of the sub-folders of `folder`, sorted.
std::vector<std::string> ListFolders(const std::string& folder);

// Joins with exactly one "/" between the parts; an empty part yields the other.
std::string JoinPath(std::string_view a, std::string_view b);
// "a/b/c.txt" -> "c.txt"
std::string ExtractFileName(std::string_view path);
// "a/b/c.txt" -> "a/b/" (with the trailing separator, as the framework returns it)
std::string ExtractFilePath(std::string_view path);
// "a/b/c.txt" -> ".txt"; "" when the name has no dot.
std::string ExtractFileExt(std::string_view path);
// ChangeFileExt("a/b.txt", ".xml") -> "a/b.xml"; adds the extension when there is none.
std::string ChangeFileExt(std::string_view path, std::string_view extension);

// The whole file; throws EFileError naming the file when it cannot be read.
std::string ReadFileBytes(const std::string& path);
// Writes a temporary file beside the target and renames it over the target, so a failed write
// never destroys the previous file. A read-only file is not replaced. Temporary files that
// earlier saves of the same target left when they were cut short are removed; those of saves
// still in progress stay. Throws EFileError naming the file.
void WriteFileAtomic(const std::string& path, std::string_view bytes);
