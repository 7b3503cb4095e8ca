#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

#include "lifecycle/event_record.h"

namespace handler_adapter {

// An event with fewer arguments than the handler takes gives 0 for the missing ones.
inline std::int32_t Argument(const std::int32_t* arguments, std::int32_t count, std::size_t index) {
  return static_cast<std::int32_t>(index) < count ? arguments[index] : 0;
}

template <class Result, class... Parameters, std::size_t... Index>
HandlerResult Call(Result (*handler)(Parameters...), [[maybe_unused]] const std::int32_t* arguments,
                   [[maybe_unused]] std::int32_t count, std::index_sequence<Index...>) {
  static_assert((std::is_same_v<Parameters, std::int32_t> && ...), "handlers take 32-bit integers");
  if constexpr (std::is_void_v<Result>) {
    handler(Argument(arguments, count, Index)...);
    return std::nullopt;
  } else {
    static_assert(std::is_same_v<Result, std::int32_t>, "handlers hand back nothing or a 32-bit integer");
    return handler(Argument(arguments, count, Index)...);
  }
}

template <class Result, class... Parameters>
HandlerResult Invoke(Result (*handler)(Parameters...), const std::int32_t* arguments, std::int32_t count) {
  return Call(handler, arguments, count, std::index_sequence_for<Parameters...>{});
}

}  // namespace handler_adapter

// Binds a program handler such as void HandleCloseRequest(std::int32_t x, std::int32_t y,
// std::int32_t keys) or std::int32_t HandleQuery(): the event's arguments are passed in
// order, and a void handler hands back nothing.
template <auto F>
HandlerResult InvokeHandler(const std::int32_t* arguments, std::int32_t count) {
  return handler_adapter::Invoke(F, arguments, count);
}
