#include "ui/error_text.h"

namespace quillstat {

std::string errorText(const ioError& error, textLanguage language) {
  if (error.systemCode != 0) return systemErrorText(error.systemCode);
  const bool russian = language == textLanguage::russian;
  switch (error.what) {
    case ioError::kind::notFound:
      return russian ? "нет такого файла или директории" : "no such file or directory";
    case ioError::kind::isDirectory: return russian ? "это директория" : "is a directory";
    case ioError::kind::notRegularFile: return russian ? "не обычный файл" : "not a regular file";
    default: return "";
  }
}

failureWords describeFailure(const ioError& error) {
  const bool misfiled =
      error.what == ioError::kind::notFound && meansNotADirectory(error.systemCode);
  return {misfiled ? ioError::kind::other : error.what, errorText(error)};
}

}  // namespace quillstat
