// Placeholder so the library has a translation unit until the stand-ins arrive.
namespace platform {}
