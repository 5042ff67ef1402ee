int fupShellAnchor = 0;
