#include "app/fatal_error.h"

#include <windows.h>

#include <cstdio>

#include "app/program_end.h"
#include "platform/platform.h"

namespace tessaly {
namespace {

// Appends `text` to the buffer, cutting it where the buffer ends.
class FixedText {
 public:
  explicit FixedText(std::span<char> out) : out_(out) {
    if (!out_.empty()) out_[0] = '\0';
  }
  FixedText& operator<<(std::string_view text) {
    for (const char c : text) {
      if (length_ + 1 >= out_.size()) break;
      out_[length_++] = c;
    }
    if (!out_.empty()) out_[length_] = '\0';
    return *this;
  }
  std::size_t length() const { return length_; }

 private:
  std::span<char> out_;
  std::size_t length_ = 0;
};

}  // namespace

std::size_t formatFatalReport(std::span<char> out, std::optional<int> number,
                              std::string_view message) {
  FixedText text(out);
  text << "运行时出错!\r\n\r\n";
  if (number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%d", *number);
    text << "错误代码：" << digits << "\r\n\r\n";
  }
  text << "错误信息：" << message << "\r\n";
  return text.length();
}

void fatalError(std::optional<int> number, std::string_view message) {
  char text[1024];
  formatFatalReport(text, number, message);
  platform().messageBox(nullptr, text, "错误", MB_ICONERROR | MB_OK);
  endProgramAtOnce(kFatalExitCode);
}

void fatalMissingExport(std::string_view library, std::string_view function) {
  char message[512];
  FixedText(message) << "无法找到指定DLL库文件“" << library << "”中的输出命令“" << function << "”";
  fatalError(std::nullopt, message);
}

void fatalOutOfMemory(std::size_t bytes) {
  // The size as asked for, in full: a request beyond the range of an int is
  // not shown as a negative or cut number.
  char message[64];
  std::snprintf(message, sizeof message, "分配 %llu 字节内存失败!",
                static_cast<unsigned long long>(bytes));
  fatalError(std::nullopt, message);
}

void fatalStartWindow() {
  fatalError(std::nullopt, "载入启动窗口失败");
}

}  // namespace tessaly
