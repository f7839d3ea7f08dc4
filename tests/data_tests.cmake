# Tests of the model, records, data files, settings and the command-line tool.
