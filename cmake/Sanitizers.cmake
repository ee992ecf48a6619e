# Applied to everything in the tree, third-party test code included, so the
# runtime sees every allocation.
add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
add_link_options(-fsanitize=address,undefined)
