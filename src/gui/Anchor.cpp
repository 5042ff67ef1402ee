int fupGuiAnchor = 0;
