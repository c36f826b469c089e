// Fixture: one known constant, one without a text.
namespace msgid {
constexpr uint32_t Known = 0x1000001;
constexpr uint32_t HeaderOnly = 0x1099001;
}
