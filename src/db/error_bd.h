#pragma once

#include <stdexcept>
#include <string>

namespace quillora::db {

// A failure reported by the ODBC driver manager or driver, with its SQLSTATE and message.
class ErrorBD : public std::runtime_error {
 public:
  ErrorBD(std::string sqlState, const std::string& mensaje);
  const std::string& GetSqlState() const { return sqlState_; }

 private:
  std::string sqlState_;
};

}  // namespace quillora::db
