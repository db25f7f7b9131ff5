#include "db/error_bd.h"

#include <utility>

namespace quillora::db {

ErrorBD::ErrorBD(std::string sqlState, const std::string& mensaje)
    : std::runtime_error(mensaje), sqlState_(std::move(sqlState)) {}

}  // namespace quillora::db
