// The entry forms of the operation table in sci_editor_operations.inc. Each entry names its
// result kind, its route, the operation, the message by the component's own name and its
// parameters (kind and name, in the caller's order). Without SCI_EDITOR_DEFINE_OPERATIONS an
// entry declares its operation (inside the class body); with it, a thin entry defines its
// operation and a hand-written one expands to nothing. No include guard: the table includes
// this file each time it is expanded, and undefines the entry forms at its end.
//
// Entry forms:
//   SCI_OP0(R, Route, Name, Msg)                       no parameters
//   SCI_OP_W(R, Route, Name, Msg, K, p)                p goes as wParam, lParam 0
//   SCI_OP_L(R, Route, Name, Msg, K, p)                p goes as lParam, wParam 0
//   SCI_OP_WL(R, Route, Name, Msg, Kw, w, Kl, l)       caller's order wParam, lParam
//   SCI_OP_LW(R, Route, Name, Msg, Kl, l, Kw, w)       caller's order lParam, wParam
//   SCI_BOOL_PROPERTY(Name, GetMsg, SetMsg)            reads true on 1, writes true on 0
//   SCI_NONZERO_PROPERTY(Name, GetMsg, SetMsg)         reads and writes true on non-zero
//   SCI_INT_PROPERTY(Name, GetMsg, SetMsg)             the answer either way
//   SCI_HANDWRITTEN(declaration)                       written out in sci_editor_operations_*.cpp
//
// Routes: Direct (DirectCall, the integer route) and Window (SendMessageA to the editing window).
// Result kinds: Int (truncated to int), Doc (a document pointer), Is1 (true when the answer is
// exactly 1), NonZero (true when the answer is not 0).
// Parameter kinds:
//   Int, Bool (sent as 1/0), Doc (a document pointer), Text (the text's address),
//   LowByte (an int of which the low 8 bits are sent),
//   OptInt, OptBool (optional, sent as 0 when left out),
//   OptIntFirst (optional, but a required parameter follows, so it has no default),
//   OptUseUnlessDefault (optional flag "use the component's default": sent as 0 when true, else 1).

#ifndef SCI_EDITOR_OPERATION_KINDS
#define SCI_EDITOR_OPERATION_KINDS

#define SCI_RESULT_TYPE_Int int
#define SCI_RESULT_TYPE_Doc std::intptr_t
#define SCI_RESULT_TYPE_Is1 bool
#define SCI_RESULT_TYPE_NonZero bool
#define SCI_RESULT_Int(answer) static_cast<int>(answer)
#define SCI_RESULT_Doc(answer) static_cast<std::intptr_t>(answer)
#define SCI_RESULT_Is1(answer) ((answer) == 1)
#define SCI_RESULT_NonZero(answer) ((answer) != 0)

#define SCI_PARAM_TYPE_Int int
#define SCI_PARAM_TYPE_Bool bool
#define SCI_PARAM_TYPE_Doc std::intptr_t
#define SCI_PARAM_TYPE_Text const std::string&
#define SCI_PARAM_TYPE_LowByte int
#define SCI_PARAM_TYPE_OptInt std::optional<int>
#define SCI_PARAM_TYPE_OptBool std::optional<bool>
#define SCI_PARAM_TYPE_OptIntFirst std::optional<int>
#define SCI_PARAM_TYPE_OptUseUnlessDefault std::optional<bool>

#define SCI_PARAM_DEFAULT_Int
#define SCI_PARAM_DEFAULT_Bool
#define SCI_PARAM_DEFAULT_Doc
#define SCI_PARAM_DEFAULT_Text
#define SCI_PARAM_DEFAULT_LowByte
#define SCI_PARAM_DEFAULT_OptInt = std::nullopt
#define SCI_PARAM_DEFAULT_OptBool = std::nullopt
#define SCI_PARAM_DEFAULT_OptIntFirst
#define SCI_PARAM_DEFAULT_OptUseUnlessDefault = std::nullopt

#define SCI_VALUE_Int(p) static_cast<std::intptr_t>(p)
#define SCI_VALUE_Bool(p) static_cast<std::intptr_t>((p) ? 1 : 0)
#define SCI_VALUE_Doc(p) (p)
#define SCI_VALUE_Text(p) reinterpret_cast<std::intptr_t>((p).c_str())
#define SCI_VALUE_LowByte(p) static_cast<std::intptr_t>((p) & 0xFF)
#define SCI_VALUE_OptInt(p) static_cast<std::intptr_t>((p).value_or(0))
#define SCI_VALUE_OptBool(p) static_cast<std::intptr_t>((p).value_or(false) ? 1 : 0)
#define SCI_VALUE_OptIntFirst(p) SCI_VALUE_OptInt(p)
#define SCI_VALUE_OptUseUnlessDefault(p) static_cast<std::intptr_t>((p).value_or(false) ? 0 : 1)

#define SCI_ROUTE_Direct(message, wParam, lParam) \
  DirectCall(message, static_cast<platform::WPARAM>(wParam), static_cast<platform::LPARAM>(lParam))
#define SCI_ROUTE_Window(message, wParam, lParam) \
  SendToEditor(message, static_cast<platform::WPARAM>(wParam), static_cast<platform::LPARAM>(lParam))

#endif  // SCI_EDITOR_OPERATION_KINDS

#ifndef SCI_EDITOR_DEFINE_OPERATIONS

#define SCI_DECLARE_PARAM(K, p) SCI_PARAM_TYPE_##K p SCI_PARAM_DEFAULT_##K

#define SCI_OP0(R, Route, Name, Msg) SCI_RESULT_TYPE_##R Name();
#define SCI_OP_W(R, Route, Name, Msg, K, p) SCI_RESULT_TYPE_##R Name(SCI_DECLARE_PARAM(K, p));
#define SCI_OP_L(R, Route, Name, Msg, K, p) SCI_OP_W(R, Route, Name, Msg, K, p)
#define SCI_OP_WL(R, Route, Name, Msg, K1, p1, K2, p2) \
  SCI_RESULT_TYPE_##R Name(SCI_DECLARE_PARAM(K1, p1), SCI_DECLARE_PARAM(K2, p2));
#define SCI_OP_LW(R, Route, Name, Msg, K1, p1, K2, p2) SCI_OP_WL(R, Route, Name, Msg, K1, p1, K2, p2)
#define SCI_BOOL_PROPERTY(Name, GetMsg, SetMsg) bool Name(std::optional<bool> value = std::nullopt);
#define SCI_NONZERO_PROPERTY(Name, GetMsg, SetMsg) SCI_BOOL_PROPERTY(Name, GetMsg, SetMsg)
#define SCI_INT_PROPERTY(Name, GetMsg, SetMsg) int Name(std::optional<int> value = std::nullopt);
#define SCI_HANDWRITTEN(...) __VA_ARGS__;

#else

#define SCI_DEFINE_PARAM(K, p) SCI_PARAM_TYPE_##K p
// An entry names its messages as the component does.
#define SCI_MESSAGE(name) scintilla::Component::name

#define SCI_OP0(R, Route, Name, Msg) \
  SCI_RESULT_TYPE_##R SciEditor::Name() { return SCI_RESULT_##R(SCI_ROUTE_##Route(SCI_MESSAGE(Msg), 0, 0)); }
#define SCI_OP_W(R, Route, Name, Msg, K, p)                                          \
  SCI_RESULT_TYPE_##R SciEditor::Name(SCI_DEFINE_PARAM(K, p)) {                      \
    return SCI_RESULT_##R(SCI_ROUTE_##Route(SCI_MESSAGE(Msg), SCI_VALUE_##K(p), 0)); \
  }
#define SCI_OP_L(R, Route, Name, Msg, K, p)                                          \
  SCI_RESULT_TYPE_##R SciEditor::Name(SCI_DEFINE_PARAM(K, p)) {                      \
    return SCI_RESULT_##R(SCI_ROUTE_##Route(SCI_MESSAGE(Msg), 0, SCI_VALUE_##K(p))); \
  }
#define SCI_OP_WL(R, Route, Name, Msg, Kw, w, Kl, l)                                                  \
  SCI_RESULT_TYPE_##R SciEditor::Name(SCI_DEFINE_PARAM(Kw, w), SCI_DEFINE_PARAM(Kl, l)) {             \
    return SCI_RESULT_##R(SCI_ROUTE_##Route(SCI_MESSAGE(Msg), SCI_VALUE_##Kw(w), SCI_VALUE_##Kl(l))); \
  }
#define SCI_OP_LW(R, Route, Name, Msg, Kl, l, Kw, w)                                                  \
  SCI_RESULT_TYPE_##R SciEditor::Name(SCI_DEFINE_PARAM(Kl, l), SCI_DEFINE_PARAM(Kw, w)) {             \
    return SCI_RESULT_##R(SCI_ROUTE_##Route(SCI_MESSAGE(Msg), SCI_VALUE_##Kw(w), SCI_VALUE_##Kl(l))); \
  }
// A write that answers true on 0 must not answer true when there is no component at all.
#define SCI_BOOL_PROPERTY(Name, GetMsg, SetMsg)                                                     \
  bool SciEditor::Name(std::optional<bool> value) {                                                 \
    if (!value) return DirectCall(SCI_MESSAGE(GetMsg)) == 1;                                        \
    return HasComponent() && SCI_ROUTE_Direct(SCI_MESSAGE(SetMsg), SCI_VALUE_Bool(*value), 0) == 0; \
  }
#define SCI_NONZERO_PROPERTY(Name, GetMsg, SetMsg)                                \
  bool SciEditor::Name(std::optional<bool> value) {                               \
    if (!value) return DirectCall(SCI_MESSAGE(GetMsg)) != 0;                      \
    return SCI_ROUTE_Direct(SCI_MESSAGE(SetMsg), SCI_VALUE_Bool(*value), 0) != 0; \
  }
#define SCI_INT_PROPERTY(Name, GetMsg, SetMsg)                                 \
  int SciEditor::Name(std::optional<int> value) {                              \
    if (!value) return static_cast<int>(DirectCall(SCI_MESSAGE(GetMsg)));      \
    return static_cast<int>(SCI_ROUTE_Direct(SCI_MESSAGE(SetMsg), *value, 0)); \
  }
#define SCI_HANDWRITTEN(...)

#endif  // SCI_EDITOR_DEFINE_OPERATIONS
