-- Every user of the suite signs in against this database: the companies and
-- the user list are readable by all of them.
GRANT SELECT ON COMPANIA TO PUBLIC;
GRANT SELECT ON usuario TO PUBLIC;
GRANT SELECT ON usuario_compania TO PUBLIC;
