// Placeholder translation unit until the prompts land.
