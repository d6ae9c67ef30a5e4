}}}}
struct R {
}
}
}
