// Checks of the shipped content files: written by the content author.
