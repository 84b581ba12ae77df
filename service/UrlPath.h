#pragma once

#include <optional>
#include <string>
#include <vector>

// Pieces of a request target, read strictly: a path that does not decode
// cleanly is refused rather than guessed at.
namespace UrlPath {

// The path split into decoded segments. Refused (nullopt): a bad or NUL
// escape, a "." or ".." segment, a backslash, a path that does not begin
// with "/". An empty last segment (trailing "/") is kept as "".
std::optional<std::vector<std::string>> segments(const std::string &target);

// The decoded value of the first "name=" in the query, or nullopt.
std::optional<std::string> queryValue(const std::string &target, const std::string &name);

// A path segment written for a URL: everything but unreserved characters
// percent-encoded.
std::string encodeSegment(const std::string &segment);

} // namespace UrlPath
