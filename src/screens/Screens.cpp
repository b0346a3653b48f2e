// The screens layer starts empty; its first files replace this one.
namespace turvane::screens {}
